#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The program's texts in the user's language: loads the program's translation (translations/vantaro_<lang>.qm
// in the program's folder) and Qt's own for its standard dialogs, for the locale's most specific language
// that has one. Without one, the texts stay English.
namespace Translations {

// The folder of the program's compiled translations.
QString folder(const QString &programFolder);

// Returns which translations it installed ("vantaro", "qtbase"): none when the program stays English.
QStringList install(QCoreApplication &application, const QString &programFolder, const QLocale &locale);

} // namespace Translations
