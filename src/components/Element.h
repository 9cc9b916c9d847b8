#pragma once

#include <QWidget>

// Base of every visible board and dialog element: a widget whose position and size are kept in twips
// (1/1440 inch, 15 per logical pixel) and exposed as the properties Left, Top, Width and Height, so that
// the generic layout, colour and style passes can reach them by name. Setters take real numbers and
// round them half to even; the widget geometry follows in whole logical pixels.
class Element : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(double Left READ leftTwips WRITE setLeftTwips)
    Q_PROPERTY(double Top READ topTwips WRITE setTopTwips)
    Q_PROPERTY(double Width READ widthTwips WRITE setWidthTwips)
    Q_PROPERTY(double Height READ heightTwips WRITE setHeightTwips)

public:
    static constexpr int TwipsPerPixel = 15;

    explicit Element(QWidget *parent = nullptr);

    int leftTwips() const { return m_left; }
    int topTwips() const { return m_top; }
    int widthTwips() const { return m_width; }
    int heightTwips() const { return m_height; }
    void setLeftTwips(double twips);
    void setTopTwips(double twips);
    void setWidthTwips(double twips);
    void setHeightTwips(double twips);
    void setTwipsGeometry(double left, double top, double width, double height);

    static int twipsToPixels(double twips);

private:
    void applyGeometry();

    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
};
