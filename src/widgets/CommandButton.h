#pragma once

#include "widgets/CaptionFit.h"
#include "widgets/TwipsGeometry.h"

#include <QPushButton>

// A push button of a dialog: Qt's own button placed in twips. Its Qt properties do the rest: "text"
// marks the access key with '&' ("&Ok"), "default" makes it the button that Enter presses.
class CommandButton : public QPushButton, public TwipsGeometry
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "CommandButton")
    Q_PROPERTY(double Left READ leftTwips WRITE setLeftTwips)
    Q_PROPERTY(double Top READ topTwips WRITE setTopTwips)
    Q_PROPERTY(double Width READ widthTwips WRITE setWidthTwips)
    Q_PROPERTY(double Height READ heightTwips WRITE setHeightTwips)

public:
    explicit CommandButton(QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    CaptionFit m_captionFit;
};
