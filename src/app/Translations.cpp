#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// Installed for the application's lifetime; the application owns it.
bool installFrom(QCoreApplication &application, const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&application);
    if (!translator->load(locale, name, u"_"_s, folder) || !application.installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace

namespace Translations {

QString folder(const QString &programFolder)
{
    return QDir(programFolder).filePath(u"translations"_s);
}

QStringList install(QCoreApplication &application, const QString &programFolder, const QLocale &locale)
{
    QStringList installed;
    // English is the program's own language: no file, and no Qt translation that would differ from it.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return installed;
    if (installFrom(application, locale, u"vantaro"_s, folder(programFolder)))
        installed.append(u"vantaro"_s);
    // Optional: the standard dialogs' buttons in the same language when Qt's translations are installed.
    if (installFrom(application, locale, u"qtbase"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installed.append(u"qtbase"_s);
    return installed;
}

} // namespace Translations
