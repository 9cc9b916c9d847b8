#pragma once

#include "widgets/WindowDesign.h"

// The design of the board window: every element with its kind, container, design text, font,
// colours, geometry in twips and place in the tab order. The layout engine takes this geometry as
// the reference that it scales to the window.
namespace BoardDesign {

QList<ElementDesign> elements();
// The window: caption "Vantaro", a client area of 9480 x 6795 twips, and the elements above.
WindowDesign window();

} // namespace BoardDesign
