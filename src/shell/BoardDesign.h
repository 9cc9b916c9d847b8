#pragma once

#include "ElementDesign.h"

#include <QList>

// The design of the board window: every element with its kind, container, design text, font,
// colours, geometry in twips and place in the tab order. The layout engine takes this geometry as
// the reference that it scales to the window.
namespace BoardDesign {

// Client area of the window at its design size, in twips.
constexpr int ClientWidth = 9480;
constexpr int ClientHeight = 6795;

QList<ElementDesign> elements();

} // namespace BoardDesign
