#pragma once

#include "widgets/WindowDesign.h"

// The design of the key-capture dialog: caption "Choose Key", a client area of 4680 x 2415 twips, the
// request and the red refusal notice.
namespace ChooseKeyDesign {

QList<ElementDesign> elements();
WindowDesign window();

} // namespace ChooseKeyDesign
