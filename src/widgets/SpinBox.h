#pragma once

#include "widgets/TwipsGeometry.h"

#include <QSpinBox>

// A number field with up and down arrows in a dialog: Qt's own spin box placed in twips, its range the Qt
// properties "minimum" and "maximum" and its number "value". Nothing outside the range can be typed.
class SpinBox : public QSpinBox, public TwipsGeometry
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "SpinBox")
    Q_PROPERTY(double Left READ leftTwips WRITE setLeftTwips)
    Q_PROPERTY(double Top READ topTwips WRITE setTopTwips)
    Q_PROPERTY(double Width READ widthTwips WRITE setWidthTwips)
    Q_PROPERTY(double Height READ heightTwips WRITE setHeightTwips)

public:
    explicit SpinBox(QWidget *parent = nullptr);
};
