#pragma once

class QWidget;

// Keeps a widget's position and size in twips (1/1440 inch, 15 per logical pixel) and places the widget
// accordingly. Element kinds inherit it beside their Qt widget class and publish its accessors as the
// properties Left, Top, Width and Height, so that design tables and the generic passes reach every
// element's geometry the same way. Setters take real numbers and round them half to even.
class TwipsGeometry
{
public:
    static constexpr int TwipsPerPixel = 15;

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

protected:
    explicit TwipsGeometry(QWidget *widget);
    ~TwipsGeometry() = default;

private:
    void applyGeometry();

    QWidget *m_widget;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
};
