#pragma once

#include "widgets/WindowDesign.h"

// The design of the options dialog: caption "Options", a client area of 6165 x 4785 twips, the tab
// control with its pages "Key Controls", "Color Controls", "Text Controls", "Pictures" and "Feed" and
// everything on them, OK and Cancel, the pickers, and the two labels below the client area that measure
// the team names. Elements on a page are placed relative to the tab control's top-left corner.
namespace OptionsDesign {

QList<ElementDesign> elements();
WindowDesign window();

} // namespace OptionsDesign
