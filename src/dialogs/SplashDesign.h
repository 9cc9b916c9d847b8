#pragma once

#include "widgets/WindowDesign.h"

#include <QFont>

// The design of the splash window: no border or title bar, a client area of 6240 x 3210 twips, an
// etched frame holding the program's name, version, maker, two hints, the logo and the Help and Options
// buttons. Texts are shown literally except the buttons' access keys (Alt+H, Alt+O).
namespace SplashDesign {

QList<ElementDesign> elements();
WindowDesign window();
// The design's dialog font, which the buttons and the plain labels use.
QFont dialogFont();
// The logo's file in the program's folder, a 140 x 129 pixel GIF.
QString logoFileName();

} // namespace SplashDesign
