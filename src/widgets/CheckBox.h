#pragma once

#include "widgets/CaptionFit.h"
#include "widgets/TwipsGeometry.h"

#include <QCheckBox>

// A check box of a dialog: Qt's own check box placed in twips, its caption the Qt property "text" and its
// state "checked".
class CheckBox : public QCheckBox, public TwipsGeometry
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "CheckBox")
    Q_PROPERTY(double Left READ leftTwips WRITE setLeftTwips)
    Q_PROPERTY(double Top READ topTwips WRITE setTopTwips)
    Q_PROPERTY(double Width READ widthTwips WRITE setWidthTwips)
    Q_PROPERTY(double Height READ heightTwips WRITE setHeightTwips)

public:
    explicit CheckBox(QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    CaptionFit m_captionFit;
};
