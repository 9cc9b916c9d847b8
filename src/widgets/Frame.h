#pragma once

#include "widgets/TwipsGeometry.h"

#include <QGroupBox>

// A group frame of a dialog: Qt's own group box placed in twips, its caption in the Qt property
// "title". The elements it holds are placed relative to its top-left corner.
class Frame : public QGroupBox, public TwipsGeometry
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "Frame")
    Q_PROPERTY(double Left READ leftTwips WRITE setLeftTwips)
    Q_PROPERTY(double Top READ topTwips WRITE setTopTwips)
    Q_PROPERTY(double Width READ widthTwips WRITE setWidthTwips)
    Q_PROPERTY(double Height READ heightTwips WRITE setHeightTwips)

public:
    explicit Frame(QWidget *parent = nullptr);
};
