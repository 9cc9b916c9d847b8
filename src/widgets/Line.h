#pragma once

#include <QWidget>

// A windowless straight line between two points of its container, given in twips as X1, Y1, X2, Y2,
// drawn in BorderColor and BorderWidth pixels. The widget covers just the line's bounding box.
class Line : public QWidget
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "Line")
    Q_PROPERTY(double X1 READ x1 WRITE setX1)
    Q_PROPERTY(double Y1 READ y1 WRITE setY1)
    Q_PROPERTY(double X2 READ x2 WRITE setX2)
    Q_PROPERTY(double Y2 READ y2 WRITE setY2)
    Q_PROPERTY(int BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(double BorderWidth READ borderWidth WRITE setBorderWidth)

public:
    explicit Line(QWidget *parent = nullptr);

    int x1() const { return m_x1; }
    int y1() const { return m_y1; }
    int x2() const { return m_x2; }
    int y2() const { return m_y2; }
    void setX1(double twips);
    void setY1(double twips);
    void setX2(double twips);
    void setY2(double twips);
    int borderColor() const { return m_borderColor; }
    void setBorderColor(int color);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(double pixels);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void applyGeometry();
    QPointF endPoint(int xTwips, int yTwips) const;

    int m_x1 = 0;
    int m_y1 = 0;
    int m_x2 = 0;
    int m_y2 = 0;
    int m_borderColor = 0;
    int m_borderWidth = 1;
};
