#include "settings/SettingsIo.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>

using namespace Qt::StringLiterals;

// The program runs under the user's locale, which QCoreApplication hands to the C library, and a German
// locale writes 2,5 where stored settings always hold 2.5. Kept apart from the other settings tests
// because it needs the system's locale sources and skips without them.
class TestSettingsLocale : public QObject
{
    Q_OBJECT

private slots:
    void loadReadsDecimalPointUnderGermanLocale();
};

void TestSettingsLocale::loadReadsDecimalPointUnderGermanLocale()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString locales = dir.filePath(u"locales"_s);
    QVERIFY(QDir().mkpath(locales));
    QProcess localedef;
    localedef.start(u"localedef"_s, {u"-i"_s, u"de_DE"_s, u"-f"_s, u"UTF-8"_s, locales + u"/de_DE.UTF-8"_s});
    if (!localedef.waitForFinished(60000) || localedef.exitStatus() != QProcess::NormalExit
        || localedef.exitCode() != 0)
        QSKIP("localedef cannot build a German locale here (Debian package locales)");
    qputenv("LOCPATH", QFile::encodeName(locales));
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        QSKIP("the German locale cannot be selected");

    const QString fileName = dir.filePath(u"Vantaro.ini"_s);
    SettingsStore writer(fileName);
    QVERIFY(writer.SaveSetting(u"KeySettings"_s, u"ClearKey"_s, u"3.5"_s));
    QVERIFY(writer.SaveSetting(u"ColorSettings"_s, u"LEDSelectedWidth"_s, u"0.75"_s));
    QVERIFY(writer.SaveSetting(u"TextSettings"_s, u"TeamSize"_s, u"24.5"_s));
    QVERIFY(writer.commit());

    Settings loaded;
    QVERIFY(!LoadSettings(SettingsStore(fileName), loaded).hasProblems());
    QCOMPARE(loaded.ClearKey, qint16(4));
    QCOMPARE(loaded.LEDSelectedWidth, qint16(1));
    QCOMPARE(loaded.TeamSize.ticks(), qint64(245000));
}

QTEST_GUILESS_MAIN(TestSettingsLocale)
#include "testSettingsLocale.moc"
