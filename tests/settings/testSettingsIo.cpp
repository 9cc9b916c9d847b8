#include "settings/SettingsIo.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

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
            u"Feed Enabled="_s + n(s.Feed.Enabled),
            u"Feed Port="_s + n(s.Feed.Port),
            u"Feed Network="_s + n(int(s.Feed.Network)),
            u"Feed Pin="_s + s.Feed.Pin,
            u"Feed TextFolder="_s + s.Feed.TextFolder};
}

// A record that no load of these tests gives, to see that a failed load leaves it alone.
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
    void loadFailsAtKey_data();
    void loadFailsAtKey();
    void loadReportsEarliestBadKey();
    void loadReportsUnreadableFile_data();
    void loadReportsUnreadableFile();
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
    const std::optional<SettingsLoadError> error = LoadSettings(SettingsStore(path()), loaded);
    QVERIFY2(!error, qPrintable(error ? error->message() : QString()));
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
    QVERIFY(!LoadSettings(SettingsStore(path()), loaded));
    QCOMPARE(loaded.TeamSize.ticks(), ticks);
    QCOMPARE(loaded.TeamSize.roundToInteger(), points);
}

void TestSettingsIo::loadFailsAtKey_data()
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
    QTest::newRow("feed Enabled maybe") << Feed << u"Enabled"_s << u"maybe"_s;
    QTest::newRow("feed Enabled empty") << Feed << u"Enabled"_s << QString();
    QTest::newRow("feed Network WAN") << Feed << u"Network"_s << u"WAN"_s;
    QTest::newRow("feed Port abc") << Feed << u"Port"_s << u"abc"_s;
}

void TestSettingsIo::loadFailsAtKey()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, text);
    store({{section, key, text}});
    Settings loaded = sentinel();
    const std::optional<SettingsLoadError> error = LoadSettings(SettingsStore(path()), loaded);

    QVERIFY(error);
    QCOMPARE(error->fileName, path());
    QCOMPARE(error->section, section);
    QCOMPARE(error->key, key);
    QCOMPARE(error->storedText, text);
    const QString message = error->message();
    for (const QString &part : {u"\""_s + path() + u'"', u"["_s + section + u']', key, u"\""_s + text + u'"'})
        QVERIFY2(message.contains(part), qPrintable(message));
    QCOMPARE(fieldsOf(loaded), fieldsOf(sentinel()));
}

void TestSettingsIo::loadReportsEarliestBadKey()
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
    // Every number is bad; each load must stop at the earliest, which is then repaired.
    SettingsStore store(path());
    for (const QString &key : readOrder)
        QVERIFY(store.SaveSetting(sectionOf(key), key, u"bad"_s));
    QStringList failures;
    Settings loaded;
    while (const std::optional<SettingsLoadError> error = LoadSettings(store, loaded)) {
        QVERIFY(failures.size() < readOrder.size());
        failures << error->key;
        QVERIFY(store.SaveSetting(error->section, error->key, u"1"_s));
    }
    QCOMPARE(failures, readOrder);
}

void TestSettingsIo::loadReportsUnreadableFile_data()
{
    QTest::addColumn<bool>("asFolder");
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("garbage line") << false << QByteArray("[ColorSettings]\nTimeColor 255\n");
    QTest::newRow("path is a folder") << true << QByteArray();
}

void TestSettingsIo::loadReportsUnreadableFile()
{
    QFETCH(bool, asFolder);
    QFETCH(QByteArray, contents);
    if (asFolder) {
        QVERIFY(QDir().mkpath(path()));
    } else {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    Settings loaded = sentinel();
    const std::optional<SettingsLoadError> error = LoadSettings(SettingsStore(path()), loaded);
    QVERIFY(error);
    QCOMPARE(error->fileName, path());
    QVERIFY(error->key.isEmpty());
    QVERIFY(!error->problem.isEmpty());
    QVERIFY2(error->message().contains(path()) && error->message().contains(error->problem),
             qPrintable(error->message()));
    QCOMPARE(fieldsOf(loaded), fieldsOf(sentinel()));
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
        else if (line.contains(u'='))
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
    for (const QString &key : {u"Enabled=No"_s, u"Port=8750"_s, u"Network=Local"_s, u"Pin="_s, u"TextFolder="_s})
        expected << Feed + u'/' + key;
    expected.sort();
    QCOMPARE(entries.size(), 33);
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
    const std::optional<SettingsLoadError> error = LoadSettings(SettingsStore(path()), loaded);
    QVERIFY2(!error, qPrintable(error ? error->message() : QString()));
    QCOMPARE(fieldsOf(loaded), fieldsOf(settings));
}

void TestSettingsIo::saveFailureIsReported_data()
{
    QTest::addColumn<QByteArray>("oldContents");
    QTest::addColumn<bool>("targetBecomesFolder");
    QTest::newRow("file that cannot be read is kept") << QByteArray("[TextSettings]\nHomeText\n") << false;
    QTest::newRow("target is a folder") << QByteArray() << true;
}

void TestSettingsIo::saveFailureIsReported()
{
    QFETCH(QByteArray, oldContents);
    QFETCH(bool, targetBecomesFolder);
    if (!oldContents.isEmpty()) {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(oldContents);
    }
    SettingsStore writer(path());
    if (targetBecomesFolder)
        QVERIFY(QDir().mkpath(path()));

    const std::optional<QString> error = SaveSettings(writer, defaults());
    QVERIFY(error);
    QVERIFY2(error->contains(path()), qPrintable(*error));
    QFile file(path());
    if (!targetBecomesFolder) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), oldContents);
    }
    QCOMPARE(QFileInfo(path()).isDir(), targetBecomesFolder);
}

QTEST_GUILESS_MAIN(TestSettingsIo)
#include "testSettingsIo.moc"
