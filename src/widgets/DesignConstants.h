#pragma once

// The values the window designs are written in: colours as 0x00BBGGRR integers and the alignment and
// border codes of the element properties.
namespace DesignConstants {

constexpr int White = 16777215;
constexpr int Black = 0;
constexpr int DarkGrey = 4210752;
constexpr int Silver = 12632256;
constexpr int Orange = 33023;
constexpr int Red = 255;
constexpr int Yellow = 65535;
// The dialogs' face colour, behind the picture previews.
constexpr int ButtonFace = 15790320;

constexpr int LeftJustify = 0;
constexpr int RightJustify = 1;
constexpr int Center = 2;

constexpr int FixedSingle = 1;

} // namespace DesignConstants
