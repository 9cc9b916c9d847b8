#pragma once

#include <QString>

// The family to ask Qt for when a design names one: the family itself where it is installed, else its
// metric-compatible stand-in where that is (Liberation Sans for Arial, Liberation Serif for Times New
// Roman, Liberation Mono for Courier New), else the name as it stands. Qt would draw the stand-in too,
// but it finds it only after sorting every installed font as fallbacks for the missing family, anew for
// each one; asked for the stand-in, it takes it at once.
namespace DesignFontFamily {

QString installed(const QString &designFamily);

} // namespace DesignFontFamily
