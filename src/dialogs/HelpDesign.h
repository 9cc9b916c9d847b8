#pragma once

#include "widgets/WindowDesign.h"

// The design of the help viewer: caption "Vantaro Help", a client area of 11055 x 9270 twips and its one
// element, the rich-text box rtbHelp, whose size the viewer's resize rule replaces when it is shown.
namespace HelpDesign {

WindowDesign window();

} // namespace HelpDesign
