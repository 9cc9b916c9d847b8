#include "settings/SettingsIo.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

struct StoredValue
{
    QString section;
    QString key;
    QString text;
};
using StoredValues = QList<StoredValue>;

const QString Color = u"ColorSettings"_s;
const QString Key = u"KeySettings"_s;
const QString Text = u"TextSettings"_s;
const QString Pic = u"PicSettings"_s;
const QString Rules = u"Rules"_s;
const QString Feed = u"Feed"_s;

// What a load of an empty store gives, written out from the table of defaults.
Settings defaults()
{
    Settings s;
    s.FormBack = 4210752;
    s.TimeColor = 33023;
    s.ScoreColor = 255;
    s.SetColor = 65535;
    s.LEDBack = 0;
    s.LEDSelected = 4210752;
    s.BorderColor = 16777215;
    s.HomeColor = 16777215;
    s.VisitorColor = 16777215;
    s.LEDSelectedWidth = 0;
    s.StartStopClockKey = 83;
    s.ResetClockKey = 82;
    s.ClockSwitchKey = 67;
    s.ClearKey = 46;
    s.BuzzerKey = 66;
    s.HomeOneKey = 116;
    s.VisitorOneKey = 117;
    s.NumLockForce = 0;
    s.TitleText = u"Home"_s;
    s.HomeText = u"Home"_s;
    s.VisitorText = u"Visitor"_s;
    s.TeamSize = Currency::fromInteger(24);
    s.BuzzerFile = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + u"/buzzer.wav"_s);
    s.LEDType = 0;
    s.ConsoleKey = 79;
    s.Mode = u"Off"_s;
    s.SetsToWin = 3;
    s.SetPoints = 25;
    s.DecidingSetPoints = 15;
    s.WinByTwo = true;
    s.ServeFollowsPoint = false;
    s.BoardMarker = true;
    s.TimeoutKeyHome = 118;
    s.TimeoutKeyVisitor = 119;
    s.TimeoutBuzzer = false;
    s.TimeoutOnBoard = false;
    s.Feed.Port = 8750;
    return s;
}

template<typename Change> Settings defaultsWith(Change change)
{
    Settings s = defaults();
    change(s);
    return s;
}

// Every field as "Name=value", so that a mismatch names the field.
QStringList fieldsOf(const Settings &s)
{
    const auto n = [](qint64 value) { return QString::number(value); };
    return {u"FormBack="_s + n(s.FormBack),
            u"TimeColor="_s + n(s.TimeColor),
            u"ScoreColor="_s + n(s.ScoreColor),
            u"SetColor="_s + n(s.SetColor),
            u"LEDBack="_s + n(s.LEDBack),
            u"LEDSelected="_s + n(s.LEDSelected),
            u"BorderColor="_s + n(s.BorderColor),
            u"HomeColor="_s + n(s.HomeColor),
            u"VisitorColor="_s + n(s.VisitorColor),
            u"LEDSelectedWidth="_s + n(s.LEDSelectedWidth),
            u"StartStopClockKey="_s + n(s.StartStopClockKey),
            u"ResetClockKey="_s + n(s.ResetClockKey),
            u"ClockSwitchKey="_s + n(s.ClockSwitchKey),
            u"ClearKey="_s + n(s.ClearKey),
            u"BuzzerKey="_s + n(s.BuzzerKey),
            u"HomeOneKey="_s + n(s.HomeOneKey),
            u"VisitorOneKey="_s + n(s.VisitorOneKey),
            u"NumLockForce="_s + n(s.NumLockForce),
            u"TitleText="_s + s.TitleText,
            u"HomeText="_s + s.HomeText,
            u"VisitorText="_s + s.VisitorText,
            u"TeamSize ticks="_s + n(s.TeamSize.ticks()),
            u"BuzzerFile="_s + s.BuzzerFile,
            u"HomePic="_s + s.HomePic,
            u"VisitorPic="_s + s.VisitorPic,
            u"BoardPic="_s + s.BoardPic,
            u"LEDType="_s + n(s.LEDType),
            u"BoardScreen="_s + s.BoardScreen,
            u"ConsoleKey="_s + n(s.ConsoleKey),
            u"Mode="_s + s.Mode,
            u"SetsToWin="_s + n(s.SetsToWin),
            u"SetPoints="_s + n(s.SetPoints),
            u"DecidingSetPoints="_s + n(s.DecidingSetPoints),
            u"WinByTwo="_s + n(s.WinByTwo),
            u"ServeFollowsPoint="_s + n(s.ServeFollowsPoint),
            u"BoardMarker="_s + n(s.BoardMarker),
            u"TimeoutKeyHome="_s + n(s.TimeoutKeyHome),
            u"TimeoutKeyVisitor="_s + n(s.TimeoutKeyVisitor),
            u"TimeoutBuzzer="_s + n(s.TimeoutBuzzer),
            u"TimeoutOnBoard="_s + n(s.TimeoutOnBoard),
            u"Feed Enabled="_s + n(s.Feed.Enabled),
            u"Feed Port="_s + n(s.Feed.Port),
            u"Feed Network="_s + n(int(s.Feed.Network)),
            u"Feed Pin="_s + s.Feed.Pin,
            u"Feed TextFolder="_s + s.Feed.TextFolder};
}

// A record that no load of these tests gives, to see that a load replaces it whole.
Settings sentinel()
{
    Settings s;
    s.FormBack = 1;
    s.HomeText = u"unchanged"_s;
    s.ClearKey = 7;
    s.TeamSize = Currency::fromInteger(3);
    return s;
}

} // namespace

Q_DECLARE_METATYPE(StoredValues)
Q_DECLARE_METATYPE(Settings)

class TestSettingsIo : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void loadsStoredValues_data();
    void loadsStoredValues();
    void teamSizeInWholePoints_data();
    void teamSizeInWholePoints();
    void valueThatDoesNotConvertTakesItsDefault_data();
    void valueThatDoesNotConvertTakesItsDefault();
    void loadReportsEveryBadKeyInReadingOrder();
    void unreadableLinesAreSkipped_data();
    void unreadableLinesAreSkipped();
    void loadReportsUnreadableFile_data();
    void loadReportsUnreadableFile();
    void saveAfterProblemsKeepsThePreviousFile();
    void cleanLoadKeepsNoBackup();
    void saveWritesEveryKeyOnce();
    void saveWritesPlainNumbers_data();
    void saveWritesPlainNumbers();
    void saveThenLoadGivesEveryField_data();
    void saveThenLoadGivesEveryField();
    void saveFailureIsReported_data();
    void saveFailureIsReported();

private:
    QString path() const { return m_dir->filePath(u"Vantaro.ini"_s); }
    void store(const StoredValues &values);
    void save(const Settings &settings);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettingsIo::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSettingsIo::store(const StoredValues &values)
{
    SettingsStore writer(path());
    for (const StoredValue &value : values)
        QVERIFY(writer.SaveSetting(value.section, value.key, value.text));
    QVERIFY2(writer.commit(), qPrintable(writer.errorString()));
}

void TestSettingsIo::save(const Settings &settings)
{
    SettingsStore writer(path());
    const std::optional<QString> error = SaveSettings(writer, settings);
    QVERIFY2(!error, qPrintable(error.value_or(QString())));
}

void TestSettingsIo::loadsStoredValues_data()
{
    QTest::addColumn<StoredValues>("stored");
    QTest::addColumn<Settings>("expected");

    QTest::newRow("empty store gives the defaults") << StoredValues {} << defaults();
    QTest::newRow("FormBack alone is LEDSelected too")
        << StoredValues {{Color, u"FormBack"_s, u"255"_s}}
        << defaultsWith([](Settings &s) { s.FormBack = s.LEDSelected = 255; });
    QTest::newRow("LEDSelected alone") << StoredValues {{Color, u"LEDSelected"_s, u"0"_s}}
                                       << defaultsWith([](Settings &s) { s.LEDSelected = 0; });
    QTest::newRow("empty HomeText stays empty")
        << StoredValues {{Text, u"HomeText"_s, QString()}} << defaultsWith([](Settings &s) { s.HomeText.clear(); });
    QTest::newRow("absent TitleText is Home") << StoredValues {{Text, u"HomeText"_s, u"Lions"_s}}
                                              << defaultsWith([](Settings &s) { s.HomeText = u"Lions"_s; });
    QTest::newRow("blanks and ties to even") << StoredValues {{Color, u"LEDSelectedWidth"_s, u" 2.5 "_s},
                                                              {Key, u"ClearKey"_s, u"\t3.5"_s},
                                                              {Key, u"NumLockForce"_s, u"-2.5"_s},
                                                              {Color, u"TimeColor"_s, u"255.49"_s}}
                                             << defaultsWith([](Settings &s) {
                                                    s.LEDSelectedWidth = 2;
                                                    s.ClearKey = 4;
                                                    s.NumLockForce = -2;
                                                    s.TimeColor = 255;
                                                });
    QTest::newRow("sign and leading zeros")
        << StoredValues {{Key, u"HomeOneKey"_s, u"+0112"_s}} << defaultsWith([](Settings &s) { s.HomeOneKey = 112; });
    QTest::newRow("values the program never writes")
        << StoredValues {{Pic, u"LEDType"_s, u"7"_s}, {Key, u"NumLockForce"_s, u"5"_s}}
        << defaultsWith([](Settings &s) {
               s.LEDType = 7;
               s.NumLockForce = 5;
           });
    QTest::newRow("16-bit limits") << StoredValues {{Key, u"ClearKey"_s, u"-32768.4"_s},
                                                    {Key, u"BuzzerKey"_s, u"32767"_s}}
                                   << defaultsWith([](Settings &s) {
                                          s.ClearKey = -32768;
                                          s.BuzzerKey = 32767;
                                      });
    QTest::newRow("32-bit limits") << StoredValues {{Color, u"TimeColor"_s, u"-2147483648"_s},
                                                    {Color, u"ScoreColor"_s, u"2147483647"_s}}
                                   << defaultsWith([](Settings &s) {
                                          s.TimeColor = -2147483648;
                                          s.ScoreColor = 2147483647;
                                      });
    QTest::newRow("TeamSize beyond four places")
        << StoredValues {{Text, u"TeamSize"_s, u" 12.34565 "_s}}
        << defaultsWith([](Settings &s) { s.TeamSize = Currency::fromTicks(123456); });
    QTest::newRow("texts exactly as stored") << StoredValues {{Text, u"TitleText"_s, u"  Équipe, \"Ünited\" 日本  "_s},
                                                              {Key, u"BuzzerFile"_s, u"/tmp/a b/buzz.wav"_s},
                                                              {Pic, u"BoardPic"_s, u"C:\\Pics\\board.bmp"_s}}
                                             << defaultsWith([](Settings &s) {
                                                    s.TitleText = u"  Équipe, \"Ünited\" 日本  "_s;
                                                    s.BuzzerFile = u"/tmp/a b/buzz.wav"_s;
                                                    s.BoardPic = u"C:\\Pics\\board.bmp"_s;
                                                });
    QTest::newRow("rules in any case, with blanks") << StoredValues {{Rules, u"Mode"_s, u" beach"_s},
                                                                     {Rules, u"WinByTwo"_s, u"no"_s},
                                                                     {Rules, u"ServeFollowsPoint"_s, u"YES "_s},
                                                                     {Rules, u"SetPoints"_s, u"21"_s},
                                                                     {Rules, u"TimeoutKeyVisitor"_s, u"88"_s}}
                                                    << defaultsWith([](Settings &s) {
                                                           s.Mode = u"Beach"_s;
                                                           s.WinByTwo = false;
                                                           s.ServeFollowsPoint = true;
                                                           s.SetPoints = 21;
                                                           s.TimeoutKeyVisitor = 88;
                                                       });
    QTest::newRow("feed words in any case") << StoredValues {{Feed, u"Enabled"_s, u" yes "_s},
                                                             {Feed, u"Network"_s, u"lan"_s},
                                                             {Feed, u"Port"_s, u"9000"_s},
                                                             {Feed, u"Pin"_s, u"012345"_s},
                                                             {Feed, u"TextFolder"_s, u"/tmp/obs text"_s}}
                                            << defaultsWith([](Settings &s) {
                                                   s.Feed.Enabled = true;
                                                   s.Feed.Network = FeedNetwork::LAN;
                                                   s.Feed.Port = 9000;
                                                   s.Feed.Pin = u"012345"_s;
                                                   s.Feed.TextFolder = u"/tmp/obs text"_s;
                                               });
    QTest::newRow("keys of no field are ignored")
        << StoredValues {{Key, u"IsKeyCode"_s, u"Yes"_s}, {u"Other"_s, u"ClearKey"_s, u"abc"_s}} << defaults();
}

void TestSettingsIo::loadsStoredValues()
{
    QFETCH(StoredValues, stored);
    QFETCH(Settings, expected);
    store(stored);
    Settings loaded;
    const SettingsLoadReport report = LoadSettings(SettingsStore(path()), loaded);
    QVERIFY2(!report.hasProblems(), qPrintable(report.message()));
    QCOMPARE(fieldsOf(loaded), fieldsOf(expected));
}

void TestSettingsIo::teamSizeInWholePoints_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<qint64>("ticks");
    QTest::addColumn<qint64>("points");
    QTest::newRow("24.5") << u"24.5"_s << qint64(245000) << qint64(24);
    QTest::newRow("25.5") << u"25.5"_s << qint64(255000) << qint64(26);
    QTest::newRow("24.5001") << u"24.5001"_s << qint64(245001) << qint64(25);
    QTest::newRow("24") << u"24"_s << qint64(240000) << qint64(24);
}

void TestSettingsIo::teamSizeInWholePoints()
{
    QFETCH(QString, stored);
    QFETCH(qint64, ticks);
    QFETCH(qint64, points);
    store({{Text, u"TeamSize"_s, stored}});
    Settings loaded;
    QVERIFY(!LoadSettings(SettingsStore(path()), loaded).hasProblems());
    QCOMPARE(loaded.TeamSize.ticks(), ticks);
    QCOMPARE(loaded.TeamSize.roundToInteger(), points);
}

void TestSettingsIo::valueThatDoesNotConvertTakesItsDefault_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("key code abc") << Key << u"ClearKey"_s << u"abc"_s;
    QTest::newRow("key code empty") << Key << u"StartStopClockKey"_s << QString();
    QTest::newRow("key code blanks") << Key << u"ResetClockKey"_s << u"   "_s;
    QTest::newRow("key code 40000") << Key << u"BuzzerKey"_s << u"40000"_s;
    QTest::newRow("key code 70000") << Key << u"VisitorOneKey"_s << u"70000"_s;
    QTest::newRow("key code -32769") << Key << u"HomeOneKey"_s << u"-32769"_s;
    QTest::newRow("key code 32767.5") << Key << u"ClockSwitchKey"_s << u"32767.5"_s;
    QTest::newRow("trailing junk") << Key << u"ClearKey"_s << u"12abc"_s;
    QTest::newRow("exponent") << Key << u"ClearKey"_s << u"1e3"_s;
    QTest::newRow("hexadecimal") << Key << u"ClearKey"_s << u"0x41"_s;
    QTest::newRow("two points") << Key << u"ClearKey"_s << u"1.2.3"_s;
    QTest::newRow("overlong digits") << Key << u"ClearKey"_s << QString(400, u'9');
    QTest::newRow("width 40000") << Color << u"LEDSelectedWidth"_s << u"40000"_s;
    QTest::newRow("colour abc") << Color << u"TimeColor"_s << u"abc"_s;
    QTest::newRow("colour 2147483648") << Color << u"FormBack"_s << u"2147483648"_s;
    QTest::newRow("colour empty") << Color << u"LEDSelected"_s << QString();
    QTest::newRow("NumLockForce on") << Key << u"NumLockForce"_s << u"on"_s;
    QTest::newRow("TeamSize abc") << Text << u"TeamSize"_s << u"abc"_s;
    QTest::newRow("TeamSize empty") << Text << u"TeamSize"_s << QString();
    QTest::newRow("TeamSize decimal comma") << Text << u"TeamSize"_s << u"24,5"_s;
    QTest::newRow("TeamSize too large") << Text << u"TeamSize"_s << u"1000000000000000"_s;
    QTest::newRow("LEDType 70000") << Pic << u"LEDType"_s << u"70000"_s;
    QTest::newRow("rules mode unknown") << Rules << u"Mode"_s << u"Snow"_s;
    QTest::newRow("rules mode empty") << Rules << u"Mode"_s << QString();
    QTest::newRow("yes or no as a number") << Rules << u"WinByTwo"_s << u"1"_s;
    QTest::newRow("yes or no empty") << Rules << u"BoardMarker"_s << QString();
    QTest::newRow("timeout key 70000") << Rules << u"TimeoutKeyHome"_s << u"70000"_s;
    QTest::newRow("feed Enabled maybe") << Feed << u"Enabled"_s << u"maybe"_s;
    QTest::newRow("feed Enabled empty") << Feed << u"Enabled"_s << QString();
    QTest::newRow("feed Network WAN") << Feed << u"Network"_s << u"WAN"_s;
    QTest::newRow("feed Port abc") << Feed << u"Port"_s << u"abc"_s;
}

// A failed conversion no longer stops the load: the key takes its default, the load
// goes on, and the report names the file, section, key, stored text and the default used.
void TestSettingsIo::valueThatDoesNotConvertTakesItsDefault()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, text);
    store({{section, key, text}, {Text, u"HomeText"_s, u"Lions"_s}});
    Settings loaded = sentinel();
    const SettingsLoadReport report = LoadSettings(SettingsStore(path()), loaded);

    QCOMPARE(report.fileName, path());
    QVERIFY(report.fileProblem.isEmpty());
    QCOMPARE(report.problems.size(), 1);
    const SettingsProblem &problem = report.problems.first();
    QCOMPARE(problem.section, section);
    QCOMPARE(problem.key, key);
    QCOMPARE(problem.storedText, text);
    QCOMPARE(problem.line, 0);
    QVERIFY(!problem.usedInstead.isEmpty());
    const QString message = report.message();
    for (const QString &part : {u"\""_s + path() + u'"', u"["_s + section + u"] "_s + key, u"\""_s + text + u'"',
                                u"\""_s + problem.usedInstead + u"\" is used instead"_s, report.backupFileName})
        QVERIFY2(message.contains(part), qPrintable(part + u" in: "_s + message));
    // Everything else as stored or by default: the record is the defaults with the one good value.
    QCOMPARE(fieldsOf(loaded), fieldsOf(defaultsWith([](Settings &s) { s.HomeText = u"Lions"_s; })));
}

void TestSettingsIo::loadReportsEveryBadKeyInReadingOrder()
{
    const QStringList readOrder
        = {u"TimeColor"_s,         u"LEDBack"_s,       u"ScoreColor"_s,     u"SetColor"_s,     u"FormBack"_s,
           u"LEDSelected"_s,       u"BorderColor"_s,   u"HomeColor"_s,      u"VisitorColor"_s, u"LEDSelectedWidth"_s,
           u"StartStopClockKey"_s, u"ResetClockKey"_s, u"ClockSwitchKey"_s, u"ClearKey"_s,     u"BuzzerKey"_s,
           u"HomeOneKey"_s,        u"VisitorOneKey"_s, u"NumLockForce"_s,   u"TeamSize"_s,     u"LEDType"_s};
    const auto sectionOf = [&](const QString &key) {
        const qsizetype index = readOrder.indexOf(key);
        return index < 10 ? Color : index < 18 ? Key : key == u"TeamSize"_s ? Text : Pic;
    };
    // Every number is bad: one load reports them all and gives the defaults throughout.
    SettingsStore store(path());
    for (const QString &key : readOrder)
        QVERIFY(store.SaveSetting(sectionOf(key), key, u"bad"_s));
    Settings loaded;
    const SettingsLoadReport report = LoadSettings(store, loaded);
    QStringList reported;
    for (const SettingsProblem &problem : report.problems)
        reported << problem.key;
    QCOMPARE(reported, readOrder);
    QCOMPARE(fieldsOf(loaded), fieldsOf(defaults()));
    // The warning lists the first ones and counts the rest.
    QVERIFY(report.message().contains(u"... and %1 more"_s.arg(readOrder.size() - SettingsLoadReport::ListedProblems)));
}

void TestSettingsIo::unreadableLinesAreSkipped_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QList<qint64>>("lines");
    QTest::newRow("garbage line") << QByteArray("[ColorSettings]\nTimeColor 255\nScoreColor=12\n") << QList<qint64> {2};
    QTest::newRow("key before any section")
        << QByteArray("ScoreColor=1\n[ColorSettings]\nScoreColor=12\n") << QList<qint64> {1};
    QTest::newRow("broken section takes its keys along")
        << QByteArray("[KeySettings\nClearKey=1\n[ColorSettings]\nScoreColor=12\n") << QList<qint64> {1, 2};
    QTest::newRow("broken escape") << QByteArray("[ColorSettings]\nTimeColor=\\x4\nScoreColor=12\n")
                                   << QList<qint64> {2};
    QTest::newRow("not UTF-8") << QByteArray("[ColorSettings]\nTimeColor=\xff\xfe\nScoreColor=12\n")
                               << QList<qint64> {2};
}

void TestSettingsIo::unreadableLinesAreSkipped()
{
    QFETCH(QByteArray, contents);
    QFETCH(QList<qint64>, lines);
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();
    Settings loaded = sentinel();
    const SettingsStore store(path());
    const SettingsLoadReport report = LoadSettings(store, loaded);
    QVERIFY(store.readError().isEmpty());
    QList<qint64> reported;
    for (const SettingsProblem &problem : report.problems) {
        reported << problem.line;
        QVERIFY(!problem.problem.isEmpty());
        QVERIFY(report.message().contains(u"Line %1 "_s.arg(problem.line)));
    }
    QCOMPARE(reported, lines);
    // The lines around the bad ones are read.
    QCOMPARE(loaded.ScoreColor, 12);
    QCOMPARE(loaded.TimeColor, 33023);
    QVERIFY(store.keepsPreviousFileOnCommit());
}

void TestSettingsIo::loadReportsUnreadableFile_data()
{
    QTest::addColumn<QString>("shape");
    QTest::newRow("path is a folder") << u"folder"_s;
    QTest::newRow("path is a named pipe") << u"fifo"_s;
}

// A file that cannot be read at all: every field takes its default, the report says why.
void TestSettingsIo::loadReportsUnreadableFile()
{
    QFETCH(QString, shape);
    if (shape == u"folder"_s)
        QVERIFY(QDir().mkpath(path()));
    else
        QCOMPARE(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    Settings loaded = sentinel();
    const SettingsLoadReport report = LoadSettings(SettingsStore(path()), loaded);
    QCOMPARE(report.fileName, path());
    QVERIFY(!report.fileProblem.isEmpty());
    QVERIFY(report.problems.isEmpty());
    QVERIFY(report.backupFileName.isEmpty());
    QVERIFY2(report.message().contains(path()) && report.message().contains(report.fileProblem),
             qPrintable(report.message()));
    QCOMPARE(fieldsOf(loaded), fieldsOf(defaults()));
}

// The first save after a load with problems keeps the file as it was, beside it, before replacing it;
// later saves of the same run do not make another copy.
void TestSettingsIo::saveAfterProblemsKeepsThePreviousFile()
{
    const QByteArray contents("[ColorSettings]\nTimeColor=abc\n; a note\nnot a line\n");
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    SettingsStore store(path());
    Settings loaded;
    const SettingsLoadReport report = LoadSettings(store, loaded);
    QCOMPARE(report.problems.size(), 2);
    QCOMPARE(report.backupFileName, store.backupFileName());
    QVERIFY(report.backupFileName.startsWith(path() + u".bak-"_s));
    // Nothing is written by the load itself.
    QVERIFY(!QFileInfo::exists(report.backupFileName));

    QVERIFY(!SaveSettings(store, loaded));
    QFile backup(report.backupFileName);
    QVERIFY(backup.open(QIODevice::ReadOnly));
    QCOMPARE(backup.readAll(), contents);
    Settings reloaded;
    QVERIFY(!LoadSettings(SettingsStore(path()), reloaded).hasProblems());
    QCOMPARE(reloaded.TimeColor, 33023);

    loaded.TimeColor = 1;
    QVERIFY(!SaveSettings(store, loaded));
    QCOMPARE(QDir(m_dir->path()).entryList({u"Vantaro.ini.bak-*"_s}).size(), 1);
}

void TestSettingsIo::cleanLoadKeepsNoBackup()
{
    store({{Color, u"TimeColor"_s, u"255"_s}});
    SettingsStore store(path());
    Settings loaded;
    const SettingsLoadReport report = LoadSettings(store, loaded);
    QVERIFY(!report.hasProblems());
    QVERIFY(report.backupFileName.isEmpty());
    QVERIFY(!SaveSettings(store, loaded));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList {u"Vantaro.ini"_s});
}

void TestSettingsIo::saveWritesEveryKeyOnce()
{
    save(defaults());

    // Read the file as text, apart from the store, to see exactly what a save leaves.
    QFile file(path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString section;
    QStringList entries;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(u'['))
            section = line.mid(1, line.size() - 2);
        else if (line.contains(u'=') && QStringList {Color, Key, Text, Pic, Rules, Feed}.contains(section))
            entries << section + u'/' + line;
    }
    entries.sort();
    QStringList expected;
    const Settings d = defaults();
    for (const QString &key : {u"TimeColor=33023"_s, u"LEDBack=0"_s, u"LEDSelected=4210752"_s, u"ScoreColor=255"_s,
                               u"SetColor=65535"_s, u"FormBack=4210752"_s, u"BorderColor=16777215"_s,
                               u"HomeColor=16777215"_s, u"VisitorColor=16777215"_s, u"LEDSelectedWidth=0"_s})
        expected << Color + u'/' + key;
    for (const QString &key : {u"StartStopClockKey=83"_s, u"ResetClockKey=82"_s, u"ClockSwitchKey=67"_s,
                               u"ClearKey=46"_s, u"BuzzerKey=66"_s, u"BuzzerFile="_s + d.BuzzerFile,
                               u"HomeOneKey=116"_s, u"VisitorOneKey=117"_s, u"NumLockForce=0"_s, u"IsKeyCode=Yes"_s})
        expected << Key + u'/' + key;
    for (const QString &key : {u"TitleText=Home"_s, u"HomeText=Home"_s, u"VisitorText=Visitor"_s, u"TeamSize=24"_s})
        expected << Text + u'/' + key;
    for (const QString &key : {u"HomePic="_s, u"VisitorPic="_s, u"BoardPic="_s, u"LEDType=0"_s})
        expected << Pic + u'/' + key;
    for (const QString &key :
         {u"Mode=Off"_s, u"SetsToWin=3"_s, u"SetPoints=25"_s, u"DecidingSetPoints=15"_s, u"WinByTwo=Yes"_s,
          u"ServeFollowsPoint=No"_s, u"BoardMarker=Yes"_s, u"TimeoutKeyHome=118"_s, u"TimeoutKeyVisitor=119"_s,
          u"TimeoutBuzzer=No"_s, u"TimeoutOnBoard=No"_s})
        expected << Rules + u'/' + key;
    for (const QString &key : {u"Enabled=No"_s, u"Port=8750"_s, u"Network=Local"_s, u"Pin="_s, u"TextFolder="_s})
        expected << Feed + u'/' + key;
    expected.sort();
    // The board's 28 values, the rules' 11 and the feed's 5.
    QCOMPARE(entries.size(), 28 + 11 + 5);
    QCOMPARE(entries, expected);
}

void TestSettingsIo::saveWritesPlainNumbers_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("TeamSize 24") << defaults() << Text << u"TeamSize"_s << u"24"_s;
    QTest::newRow("TeamSize 24.5") << defaultsWith([](Settings &s) { s.TeamSize = *Currency::parse(u"24.5"); }) << Text
                                   << u"TeamSize"_s << u"24.5"_s;
    QTest::newRow("TeamSize 0.0001") << defaultsWith([](Settings &s) { s.TeamSize = Currency::fromTicks(1); }) << Text
                                     << u"TeamSize"_s << u"0.0001"_s;
    QTest::newRow("a mode the load cannot read is saved as Off")
        << defaultsWith([](Settings &s) { s.Mode.clear(); }) << Rules << u"Mode"_s << u"Off"_s;
    QTest::newRow("yes or no") << defaultsWith([](Settings &s) { s.ServeFollowsPoint = true; }) << Rules
                               << u"ServeFollowsPoint"_s << u"Yes"_s;
    QTest::newRow("negative key code") << defaultsWith([](Settings &s) { s.ClearKey = -1; }) << Key << u"ClearKey"_s
                                       << u"-1"_s;
    QTest::newRow("LEDSelected apart from FormBack")
        << defaultsWith([](Settings &s) { s.LEDSelected = 255; }) << Color << u"LEDSelected"_s << u"255"_s;
}

void TestSettingsIo::saveWritesPlainNumbers()
{
    QFETCH(Settings, settings);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, text);
    save(settings);
    QCOMPARE(SettingsStore(path()).GetSetting(section, key, u"<absent>"_s), text);
}

void TestSettingsIo::saveThenLoadGivesEveryField_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::newRow("defaults") << defaults();
    QTest::newRow("tricky texts") << defaultsWith([](Settings &s) {
        s.TitleText = u"  a, b = \"c\"; #d\\  "_s;
        s.HomeText = QString();
        s.VisitorText = u"Équipe Ünited 日本\nzweite Zeile"_s;
        s.BuzzerFile = u"C:\\Program Files\\Vantaro\\buzzer.wav"_s;
        s.HomePic = u"/home/user/pics/[home].png"_s;
        s.VisitorPic = u"\\x41\\s"_s;
        s.BoardPic = u"\t"_s;
        s.BoardScreen = u"HDMI-1"_s;
    });
    QTest::newRow("number limits") << defaultsWith([](Settings &s) {
        s.FormBack = std::numeric_limits<qint32>::min();
        s.LEDSelected = std::numeric_limits<qint32>::max();
        s.NumLockForce = -1;
        s.LEDSelectedWidth = std::numeric_limits<qint16>::min();
        s.ClearKey = std::numeric_limits<qint16>::max();
        s.LEDType = -1;
        s.TeamSize = Currency::fromTicks(-1);
    });
    QTest::newRow("rules chosen") << defaultsWith([](Settings &s) {
        s.Mode = u"Custom"_s;
        s.SetsToWin = 2;
        s.SetPoints = 11;
        s.DecidingSetPoints = 7;
        s.WinByTwo = false;
        s.ServeFollowsPoint = true;
        s.BoardMarker = false;
        s.TimeoutKeyHome = 88;
        s.TimeoutBuzzer = true;
        s.TimeoutOnBoard = true;
    });
    QTest::newRow("feed on the network") << defaultsWith([](Settings &s) {
        s.Feed.Enabled = true;
        s.Feed.Network = FeedNetwork::LAN;
        s.Feed.Port = 65535;
        s.Feed.Pin = u"000001"_s;
        s.Feed.TextFolder = u"/srv/stream files"_s;
    });
    QTest::newRow("large TeamSize") << defaultsWith(
        [](Settings &s) { s.TeamSize = Currency::fromTicks(std::numeric_limits<qint64>::max()); });
}

void TestSettingsIo::saveThenLoadGivesEveryField()
{
    QFETCH(Settings, settings);
    save(settings);
    Settings loaded;
    const SettingsLoadReport report = LoadSettings(SettingsStore(path()), loaded);
    QVERIFY2(!report.hasProblems(), qPrintable(report.message()));
    QCOMPARE(fieldsOf(loaded), fieldsOf(settings));
}

void TestSettingsIo::saveFailureIsReported_data()
{
    QTest::addColumn<bool>("pipeAtLoad");
    QTest::addColumn<bool>("targetBecomesFolder");
    QTest::newRow("file that could not be read is kept") << true << false;
    QTest::newRow("target is a folder") << false << true;
}

void TestSettingsIo::saveFailureIsReported()
{
    QFETCH(bool, pipeAtLoad);
    QFETCH(bool, targetBecomesFolder);
    if (pipeAtLoad)
        QCOMPARE(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    SettingsStore writer(path());
    if (targetBecomesFolder)
        QVERIFY(QDir().mkpath(path()));

    const std::optional<QString> error = SaveSettings(writer, defaults());
    QVERIFY(error);
    QVERIFY2(error->contains(path()), qPrintable(*error));
    struct stat status = {};
    QCOMPARE(::stat(QFile::encodeName(path()).constData(), &status), 0);
    QCOMPARE(S_ISFIFO(status.st_mode), pipeAtLoad);
    QCOMPARE(QFileInfo(path()).isDir(), targetBecomesFolder);
}

QTEST_GUILESS_MAIN(TestSettingsIo)
#include "testSettingsIo.moc"
