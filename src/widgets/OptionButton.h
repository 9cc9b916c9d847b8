#pragma once

#include "widgets/CaptionFit.h"
#include "widgets/TwipsGeometry.h"

#include <QRadioButton>

// An option button of a dialog: Qt's own radio button placed in twips. The option buttons of one
// container exclude each other; none is selected until one is chosen.
class OptionButton : public QRadioButton, public TwipsGeometry
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "OptionButton")
    Q_PROPERTY(double Left READ leftTwips WRITE setLeftTwips)
    Q_PROPERTY(double Top READ topTwips WRITE setTopTwips)
    Q_PROPERTY(double Width READ widthTwips WRITE setWidthTwips)
    Q_PROPERTY(double Height READ heightTwips WRITE setHeightTwips)

public:
    explicit OptionButton(QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    CaptionFit m_captionFit;
};
