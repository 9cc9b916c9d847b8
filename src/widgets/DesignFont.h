#pragma once

#include <QFont>
#include <QString>

// The fonts the designs name. The family asked of Qt is the named one where it is installed, else its
// metric-compatible stand-in where that is (Liberation Sans for Arial, Liberation Serif for Times New
// Roman, Liberation Mono for Courier New), else the name as it stands. Qt would draw the stand-in too,
// but it finds it only after sorting every installed font as fallbacks for the missing family, anew for
// each one; asked for the stand-in, it takes it at once.
namespace DesignFont {

QString installedFamily(const QString &designFamily);

// The font of the family at the size in points, bold or not.
QFont font(const QString &designFamily, double points, bool bold = false);

} // namespace DesignFont
