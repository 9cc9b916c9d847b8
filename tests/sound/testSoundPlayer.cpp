#include "sound/SoundPlayer.h"
#include "widgets/ElementKind.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QWaveDecoder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Long enough for the buzzer to play to its end (or fail) on a slow machine.
constexpr int DoneTimeoutMs = 15000;
// How long to go on listening for a Done that must not come.
constexpr int QuietMs = 400;

const QString buzzerPath = QStringLiteral(VANTARO_ASSETS_DIR "/buzzer.wav");

qint64 buzzerLengthMs()
{
    QFile file(buzzerPath);
    QWaveDecoder decoder(&file);
    return file.open(QIODevice::ReadOnly) && decoder.open(QIODevice::ReadOnly) ? decoder.duration() : 0;
}

// Records what the board would do to a device, to check the property plumbing of the base class.
class RecordingDevice final : public SoundDevice
{
public:
    QString fileName() const override { return m_fileName; }
    void setFileName(const QString &name) override { m_fileName = name; }
    QString command() const override { return words.isEmpty() ? QString() : words.last(); }
    void sendCommand(const QString &word) override { words.append(word); }

    QStringList words;

private:
    QString m_fileName;
};

// Counts Done and remembers whether every one of them arrived on the GUI thread.
struct DoneWatch
{
    explicit DoneWatch(SoundDevice &device)
        : spy(&device, &SoundDevice::Done)
    {
        QObject::connect(&device, &SoundDevice::Done, &device,
                         [this] { onGuiThread = onGuiThread && QThread::currentThread() == qApp->thread(); });
    }

    QList<int> codes() const
    {
        QList<int> result;
        for (const QList<QVariant> &arguments : spy)
            result.append(arguments.at(0).toInt());
        return result;
    }

    QSignalSpy spy;
    bool onGuiThread = true;
};

bool haveAudioOutput()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

// Where no audio output exists, every "Play" fails at once instead, so each of them gets its own Done.
QList<int> expectedCodes(const QStringList &words, const QList<int> &withOutput)
{
    if (haveAudioOutput())
        return withOutput;
    const auto plays = std::count_if(words.cbegin(), words.cend(), [](const QString &word) {
        return word.compare(u"Play"_s, Qt::CaseInsensitive) == 0;
    });
    return QList<int>(plays, SoundDevice::Failure);
}

void sendAll(SoundDevice &device, const QStringList &words)
{
    for (const QString &word : words)
        device.sendCommand(word);
}

} // namespace

class TestSoundPlayer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void propertiesReachTheDevice();
    void playerRemembersItsFileAndLastWord();

    void failedPlayStillReportsDone_data();
    void failedPlayStillReportsDone();
    void oneDonePerAcceptedPlay_data();
    void oneDonePerAcceptedPlay();
    void boardCycleReplays();
    void commandsInAnyOrder_data();
    void commandsInAnyOrder();
    void destroyedWhileBusy_data();
    void destroyedWhileBusy();

private:
    QString makeFile(const QString &name, const QByteArray &contents);

    QTemporaryDir m_dir;
};

void TestSoundPlayer::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(QFile::exists(buzzerPath), qPrintable(buzzerPath));
}

QString TestSoundPlayer::makeFile(const QString &name, const QByteArray &contents)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestSoundPlayer::propertiesReachTheDevice()
{
    RecordingDevice device;
    QCOMPARE(ElementKind::of(&device), u"MMControl"_s);

    QVERIFY(device.setProperty("FileName", u"C:\\sounds\\horn.wav"_s));
    QCOMPARE(device.fileName(), u"C:\\sounds\\horn.wav"_s);
    QCOMPARE(device.property("FileName").toString(), u"C:\\sounds\\horn.wav"_s);

    QVERIFY(device.setProperty("Command", u"Play"_s));
    QVERIFY(device.setProperty("Command", u"Stop"_s));
    QCOMPARE(device.words, QStringList({u"Play"_s, u"Stop"_s}));
    QCOMPARE(device.property("Command").toString(), u"Stop"_s);
}

void TestSoundPlayer::playerRemembersItsFileAndLastWord()
{
    SoundPlayer player;
    QCOMPARE(ElementKind::of(&player), u"MMControl"_s);
    QCOMPARE(player.fileName(), QString());
    player.setProperty("FileName", buzzerPath);
    QCOMPARE(player.property("FileName").toString(), buzzerPath);

    // Unknown words are remembered as written and do nothing.
    DoneWatch done(player);
    player.setProperty("Command", u"Rewind"_s);
    QCOMPARE(player.property("Command").toString(), u"Rewind"_s);
    QTest::qWait(QuietMs);
    QCOMPARE(done.spy.count(), 0);
}

void TestSoundPlayer::failedPlayStillReportsDone_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("before");

    QRandomGenerator random(20240611);
    QByteArray noise(4096, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / int(sizeof(quint32)));
    const QStringList open {u"Open"_s};
    // A well-formed header of 48 kHz 16-bit mono with no samples after it.
    const QByteArray noSamples("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x80\xbb\0\0\0\x77\x01\0\x02\0\x10\0"
                               "data\0\0\0\0",
                               44);

    QTest::newRow("nothing opened") << QString() << QStringList();
    QTest::newRow("empty name opened") << QString() << open;
    QTest::newRow("name set but not opened") << buzzerPath << QStringList();
    QTest::newRow("missing file") << m_dir.filePath(u"absent.wav"_s) << open;
    QTest::newRow("folder") << m_dir.path() << open;
    QTest::newRow("text file") << makeFile(u"notes.wav"_s, "Home 25, Visitor 23\n") << open;
    QTest::newRow("zero-byte wav") << makeFile(u"empty.wav"_s, QByteArray()) << open;
    QTest::newRow("random bytes") << makeFile(u"noise.wav"_s, noise) << open;
    QTest::newRow("header without samples") << makeFile(u"silent.wav"_s, noSamples) << open;
    QTest::newRow("truncated header") << makeFile(u"cut.wav"_s, QByteArray("RIFF\x24\x08\x00\x00WAVEfmt ", 16)) << open;
    QTest::newRow("opened then closed") << buzzerPath << QStringList({u"Open"_s, u"Close"_s});
    QTest::newRow("lower-case words") << buzzerPath << QStringList({u"open"_s, u"CLOSE"_s});
}

void TestSoundPlayer::failedPlayStillReportsDone()
{
    QFETCH(QString, file);
    QFETCH(QStringList, before);

    SoundPlayer player;
    DoneWatch done(player);
    player.setFileName(file);
    sendAll(player, before);
    player.sendCommand(u"Play"_s);
    QCOMPARE(done.spy.count(), 0); // never from inside the command
    QTRY_COMPARE_WITH_TIMEOUT(done.spy.count(), 1, DoneTimeoutMs);
    QCOMPARE(done.codes(), QList<int>({SoundDevice::Failure}));
    QVERIFY(done.onGuiThread);
    QTest::qWait(QuietMs);
    QCOMPARE(done.spy.count(), 1);
}

void TestSoundPlayer::oneDonePerAcceptedPlay_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QList<int>>("codes");

    const int ok = SoundDevice::Successful;
    const int aborted = SoundDevice::Aborted;
    const int failed = SoundDevice::Failure;
    QTest::newRow("sound played") << buzzerPath << QStringList({u"Open"_s, u"Play"_s}) << QList<int>({ok});
    QTest::newRow("play while playing") << buzzerPath << QStringList({u"Open"_s, u"Play"_s, u"Play"_s, u"play"_s})
                                        << QList<int>({ok});
    QTest::newRow("stopped and played again")
        << buzzerPath << QStringList({u"Open"_s, u"Play"_s, u"Stop"_s, u"Play"_s}) << QList<int>({aborted, ok});
    QTest::newRow("rewound while playing")
        << buzzerPath << QStringList({u"Open"_s, u"Play"_s, u"Prev"_s, u"Play"_s}) << QList<int>({aborted, ok});
    QTest::newRow("closed while playing")
        << buzzerPath << QStringList({u"Open"_s, u"Play"_s, u"Close"_s}) << QList<int>({aborted});
    QTest::newRow("reopened while playing")
        << buzzerPath << QStringList({u"Open"_s, u"Play"_s, u"Open"_s}) << QList<int>({aborted});
    QTest::newRow("stop and rewind when idle")
        << buzzerPath << QStringList({u"Open"_s, u"Stop"_s, u"Prev"_s, u"Play"_s}) << QList<int>({ok});
    QTest::newRow("two failed plays") << QString() << QStringList({u"Play"_s, u"Play"_s})
                                      << QList<int>({failed, failed});
}

void TestSoundPlayer::oneDonePerAcceptedPlay()
{
    QFETCH(QString, file);
    QFETCH(QStringList, words);
    QFETCH(QList<int>, codes);
    codes = expectedCodes(words, codes);

    SoundPlayer player;
    DoneWatch done(player);
    player.setFileName(file);
    sendAll(player, words);
    QCOMPARE(done.spy.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(done.spy.count(), codes.size(), DoneTimeoutMs);
    QVERIFY(done.onGuiThread);
    QTest::qWait(QuietMs);
    QCOMPARE(done.codes(), codes);
}

// The board's own use: play, and on Done stop and rewind; the next play sounds again, and Done never
// comes before the sound has had the time to be heard.
void TestSoundPlayer::boardCycleReplays()
{
    const bool output = haveAudioOutput();
    SoundPlayer player;
    DoneWatch done(player);
    player.setFileName(buzzerPath);
    player.sendCommand(u"Open"_s);
    for (int play = 1; play <= 2; ++play) {
        QElapsedTimer sincePlay;
        sincePlay.start();
        player.sendCommand(u"Play"_s);
        QTRY_COMPARE_WITH_TIMEOUT(done.spy.count(), play, DoneTimeoutMs);
        QVERIFY(!output || sincePlay.elapsed() >= buzzerLengthMs());
        player.sendCommand(u"Stop"_s);
        player.sendCommand(u"Prev"_s);
    }
    QCOMPARE(done.codes(), QList<int>(2, output ? SoundDevice::Successful : SoundDevice::Failure));
}

void TestSoundPlayer::commandsInAnyOrder_data()
{
    QTest::addColumn<QStringList>("words");

    QStringList words {u"Close"_s, u"Open"_s, u"Play"_s, u"Prev"_s, u"Stop"_s};
    do
        QTest::newRow(qPrintable(words.join(u' '))) << words;
    while (std::next_permutation(words.begin(), words.end()));
}

// Whatever the order, the one "Play" gets its one Done and the device still works afterwards.
void TestSoundPlayer::commandsInAnyOrder()
{
    QFETCH(QStringList, words);

    SoundPlayer player;
    DoneWatch done(player);
    player.setFileName(buzzerPath);
    for (const QString &word : words) {
        player.sendCommand(word);
        QTest::qWait(5);
    }
    player.sendCommand(u"Close"_s);
    QTRY_COMPARE_WITH_TIMEOUT(done.spy.count(), 1, DoneTimeoutMs);
    player.sendCommand(u"Play"_s);
    QTRY_COMPARE_WITH_TIMEOUT(done.spy.count(), 2, DoneTimeoutMs);
    QCOMPARE(done.codes().last(), int(SoundDevice::Failure));
}

void TestSoundPlayer::destroyedWhileBusy_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("waitMs");

    QTest::newRow("while loading") << QStringList({u"Open"_s}) << 0;
    QTest::newRow("right after play") << QStringList({u"Open"_s, u"Play"_s}) << 0;
    QTest::newRow("while playing") << QStringList({u"Open"_s, u"Play"_s}) << 300;
    QTest::newRow("with Done pending") << QStringList({u"Close"_s, u"Play"_s}) << 0;
}

void TestSoundPlayer::destroyedWhileBusy()
{
    QFETCH(QStringList, words);
    QFETCH(int, waitMs);

    auto player = std::make_unique<SoundPlayer>();
    QSignalSpy done(player.get(), &SoundDevice::Done);
    player->setFileName(buzzerPath);
    sendAll(*player, words);
    if (waitMs > 0)
        QTest::qWait(waitMs);
    const qsizetype before = done.count();
    player.reset();
    // A Done that was on its way dies with its device.
    QTest::qWait(QuietMs);
    QCOMPARE(done.count(), before);
}

QTEST_MAIN(TestSoundPlayer)
#include "testSoundPlayer.moc"
