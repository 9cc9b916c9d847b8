#pragma once

#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QtGlobal>

// The characters an LED cell can show and the shapes of its lamps, in both digit styles: seven bevelled
// segments ("Lines") or a 5 x 7 matrix of round dots ("Dots"). A cell shows a digit, a minus sign or
// nothing; separator cells show a colon or a decimal point.
class LedGlyph
{
public:
    enum class Style { Lines = 0, Dots = 1 };

    static constexpr int DotColumns = 5;
    static constexpr int DotRows = 7;
    // Width of a seven-segment digit over its height.
    static constexpr double SegmentAspect = 0.55;

    // The lamps of one or more cells by how they show: lit and unlit lamps of the digits, and the
    // separators' dots, which take a colour of their own.
    struct Shapes
    {
        QPainterPath lit;
        QPainterPath unlit;
        QPainterPath separators;
    };

    static bool isSeparator(QChar c) { return c == u':' || c == u'.'; }

    // Adds the lamps of a cell showing c in box: a digit cell's every lamp, lit or not, or a separator's
    // dots. stroke is the segment thickness or the dot diameter in pixels.
    static void addCell(Shapes &shapes, Style style, QChar c, const QRectF &box, qreal stroke);

    // The lamps of a digit cell filling box, in a fixed order: segments a to g, or the dots row by row
    // from the top left. stroke is the segment thickness or the dot diameter in pixels.
    static QList<QPainterPath> lampShapes(Style style, const QRectF &box, qreal stroke);
    // Bit n is set when lamp n is lit for c; a blank or any character without a glyph lights nothing.
    static quint64 litMask(Style style, QChar c);
    // The lit dots of a separator cell (':' or '.') whose box spans the digits' height; box's width is
    // the dot size in Lines style and the dot pitch in Dots style.
    static QPainterPath separatorShape(Style style, QChar separator, const QRectF &box, qreal stroke);

private:
    static QList<QPainterPath> segmentShapes(const QRectF &box, qreal stroke);
    static QList<QPainterPath> dotShapes(const QRectF &box, qreal diameter);
};
