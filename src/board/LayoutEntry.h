#pragma once

#include <QtGlobal>

// What the layout engine recorded of one element: the element's index in its window and the
// element's geometry, font, outline and LED sizes at record time. A value of 0 means "not recorded",
// which lets one entry serve every element kind. LightSpacing is stored 15 higher so that a spacing of 0
// is still recorded. 32-bit fields, so that a board recorded maximized on a large screen still fits.
struct LayoutEntry
{
    static constexpr qint32 NoElement = -1;

    qint32 element = NoElement;
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Height = 0;
    qint32 Width = 0;
    qint32 FontSize = 0;
    qint32 BorderWidth = 0;
    qint32 LightDiameter = 0;
    qint32 LightSpacing = 0;
    qint32 Size = 0;
    qint32 PaddingD = 0;
    qint32 PaddingI = 0;
    qint32 PaddingH = 0;
    qint32 PaddingV = 0;
    qint32 X1 = 0;
    qint32 X2 = 0;
    qint32 Y1 = 0;
    qint32 Y2 = 0;

    bool operator==(const LayoutEntry &) const = default;
};
