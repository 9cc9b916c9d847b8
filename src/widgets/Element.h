#pragma once

#include "widgets/TwipsGeometry.h"

#include <QWidget>

// Base of every visible board and dialog element drawn by this program: a widget whose position and
// size are kept in twips and exposed as the properties Left, Top, Width and Height, so that the generic
// layout, colour and style passes can reach them by name.
class Element : public QWidget, public TwipsGeometry
{
    Q_OBJECT
    Q_PROPERTY(double Left READ leftTwips WRITE setLeftTwips)
    Q_PROPERTY(double Top READ topTwips WRITE setTopTwips)
    Q_PROPERTY(double Width READ widthTwips WRITE setWidthTwips)
    Q_PROPERTY(double Height READ heightTwips WRITE setHeightTwips)

public:
    explicit Element(QWidget *parent = nullptr);
};
