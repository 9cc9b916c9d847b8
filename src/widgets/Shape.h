#pragma once

#include "widgets/Element.h"
#include "widgets/PaintCache.h"

// A windowless figure: rectangle, square, oval, circle or rounded rectangle, with an optional outline
// (width in pixels) and an optional solid fill. Clicks pass through to the container.
class Shape : public Element
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "Shape")
    Q_PROPERTY(int Shape READ shape WRITE setShape)
    Q_PROPERTY(int BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(double BorderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(int FillColor READ fillColor WRITE setFillColor)
    Q_PROPERTY(int FillStyle READ fillStyle WRITE setFillStyle)

public:
    // Figure, outline and fill codes as the design tables give them.
    enum Figure { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4, RoundedSquare = 5 };
    enum OutlineStyle { NoOutline = 0, SolidOutline = 1 };
    enum Fill { SolidFill = 0, NoFill = 1 };

    explicit Shape(QWidget *parent = nullptr);

    int shape() const { return m_shape; }
    void setShape(int figure);
    int borderColor() const { return m_borderColor; }
    void setBorderColor(int color);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(double pixels);
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    int fillColor() const { return m_fillColor; }
    void setFillColor(int color);
    int fillStyle() const { return m_fillStyle; }
    void setFillStyle(int style);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintLook(QPainter &painter) const;
    QRectF figureRect() const;

    int m_shape = Rectangle;
    int m_borderColor = 0;
    int m_borderWidth = 1;
    int m_borderStyle = SolidOutline;
    int m_fillColor = 0;
    int m_fillStyle = NoFill;
    PaintCache m_paintCache;
};
