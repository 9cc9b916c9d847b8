#include "sound/SoundPlayer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QtEndian>

#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

// Plays the buzzer into a PulseAudio null sink and records the sink's monitor, to check what was really
// heard: the whole sound, started promptly, and Done only after it.

namespace {

const QString buzzerPath = QStringLiteral(VANTARO_ASSETS_DIR "/buzzer.wav");
const QString sinkName = u"vantaro_null"_s;
constexpr int RecordRate = 48000;
constexpr int DoneTimeoutMs = 15000;
constexpr int PlaysRecorded = 2;

// Mono 16-bit samples of a PCM WAV file (the first channel when there are more), as far as the file
// really goes: a recording cut short may still claim its full length, or none, in its header.
struct Wav
{
    int rate = 0;
    qint64 dataOffset = 0;
    int frameBytes = 0;
    QList<qint16> samples;

    static std::optional<Wav> read(const QString &path);
    // The frame that the given size of the growing file had reached.
    qint64 frameAtFileSize(qint64 size) const { return (size - dataOffset) / frameBytes; }
    double milliseconds(qint64 frames) const { return 1000.0 * double(frames) / rate; }
};

std::optional<Wav> Wav::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    Wav wav;
    int channels = 0;
    qint64 at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const char *body = bytes.constData() + at + 8;
        if (id == "fmt " && size >= 16 && at + 8 + 16 <= bytes.size()) {
            if (qFromLittleEndian<quint16>(body) != 1 || qFromLittleEndian<quint16>(body + 14) != 16)
                return std::nullopt;
            channels = qFromLittleEndian<quint16>(body + 2);
            wav.rate = int(qFromLittleEndian<quint32>(body + 4));
        } else if (id == "data" && channels > 0 && wav.rate > 0) {
            wav.dataOffset = at + 8;
            wav.frameBytes = 2 * channels;
            const qint64 frames = (bytes.size() - wav.dataOffset) / wav.frameBytes;
            for (qint64 frame = 0; frame < frames; ++frame)
                wav.samples.append(qFromLittleEndian<qint16>(body + frame * wav.frameBytes));
            return wav;
        }
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

struct Span
{
    qint64 first = 0; // frames
    qint64 end = 0;
};

// The stretches of a sound that are loud: 10 ms windows within 20 dB of the loudest one, joined across
// gaps shorter than a tenth of a second.
QList<Span> loudSpans(const Wav &wav)
{
    const qint64 window = wav.rate / 100;
    QList<double> levels;
    for (qint64 start = 0; start + window <= wav.samples.size(); start += window) {
        double sum = 0;
        for (qint64 i = start; i < start + window; ++i)
            sum += double(wav.samples[i]) * wav.samples[i];
        levels.append(std::sqrt(sum / double(window)));
    }
    const double loudest = levels.isEmpty() ? 0 : *std::max_element(levels.cbegin(), levels.cend());
    const double threshold = std::max(loudest / 10, 300.0);
    QList<Span> spans;
    for (qsizetype i = 0; i < levels.size(); ++i) {
        if (levels[i] < threshold)
            continue;
        const qint64 first = i * window;
        if (!spans.isEmpty() && first - spans.last().end < wav.rate / 10)
            spans.last().end = first + window;
        else
            spans.append({first, first + window});
    }
    return spans;
}

bool runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(5000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

qint64 fileSize(const QString &path)
{
    return QFileInfo(path).size();
}

// Suspends the null sink for as long as it lives: the sound server then takes no data, and a play stalls.
struct SuspendedSink
{
    SuspendedSink() { ok = runTool(u"pactl"_s, {u"suspend-sink"_s, sinkName, u"1"_s}); }
    ~SuspendedSink() { runTool(u"pactl"_s, {u"suspend-sink"_s, sinkName, u"0"_s}); }
    bool ok = false;
};

} // namespace

class TestSoundPlayerPulse : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void playsWholeSoundBeforeDone();
    void stalledOutputStillReportsDone();

private:
    QTemporaryDir m_dir;
    Span m_buzzerSpan;
    Wav m_buzzer;
};

void TestSoundPlayerPulse::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        QSKIP("PULSE_SERVER is not set: no private sound server to play into");
    if (!runTool(u"pactl"_s, {u"info"_s}))
        QSKIP("pactl info failed: pactl (pulseaudio-utils) is missing or the server named by PULSE_SERVER does not "
              "answer");
    if (QStandardPaths::findExecutable(u"parecord"_s).isEmpty())
        QSKIP("parecord (pulseaudio-utils) is missing: nothing can record the sound");
    QVERIFY(m_dir.isValid());

    const std::optional<Wav> buzzer = Wav::read(buzzerPath);
    QVERIFY2(buzzer, qPrintable(buzzerPath));
    m_buzzer = *buzzer;
    const QList<Span> spans = loudSpans(m_buzzer);
    QCOMPARE(spans.size(), 1);
    m_buzzerSpan = spans.first();
}

void TestSoundPlayerPulse::playsWholeSoundBeforeDone()
{
    const QString recording = m_dir.filePath(u"heard.wav"_s);
    QProcess recorder;
    recorder.start(u"parecord"_s,
                   {u"--device=%1.monitor"_s.arg(sinkName), u"--file-format=wav"_s, u"--format=s16le"_s,
                    u"--channels=1"_s, u"--rate=%1"_s.arg(RecordRate), u"--latency-msec=20"_s, recording});
    QVERIFY(recorder.waitForStarted());
    // The monitor of an idle null sink holds its data back for a while; play only once it flows.
    QTRY_VERIFY_WITH_TIMEOUT(fileSize(recording) > RecordRate, 15000);

    SoundPlayer player;
    player.setFileName(buzzerPath);
    player.sendCommand(u"Open"_s);
    QTest::qWait(500);

    QSignalSpy done(&player, &SoundDevice::Done);
    QList<qint64> sizeAtPlay;
    QList<qint64> sizeAtDone;
    QList<qint64> playToDoneMs;
    QElapsedTimer sincePlay;
    bool onGuiThread = true;
    connect(&player, &SoundDevice::Done, &player, [&] {
        sizeAtDone.append(fileSize(recording));
        playToDoneMs.append(sincePlay.elapsed());
        onGuiThread = onGuiThread && QThread::currentThread() == qApp->thread();
        // What the board does on completion.
        player.sendCommand(u"Stop"_s);
        player.sendCommand(u"Prev"_s);
    });
    for (int play = 1; play <= PlaysRecorded; ++play) {
        sizeAtPlay.append(fileSize(recording));
        sincePlay.start();
        player.sendCommand(u"Play"_s);
        // A second press halfway through must neither restart the sound nor queue another.
        QTest::qWait(500);
        player.sendCommand(u"Play"_s);
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), play, DoneTimeoutMs);
        QTest::qWait(400);
    }
    QCOMPARE(done.count(), PlaysRecorded);
    QVERIFY(onGuiThread);
    recorder.terminate();
    QVERIFY(recorder.waitForFinished(5000));

    const std::optional<Wav> heard = Wav::read(recording);
    QVERIFY(heard);
    const QList<Span> spans = loudSpans(*heard);
    QCOMPARE(spans.size(), PlaysRecorded);
    const double soundMs = m_buzzer.milliseconds(m_buzzerSpan.end - m_buzzerSpan.first);
    for (int play = 0; play < PlaysRecorded; ++play) {
        const Span span = spans[play];
        const double heardMs = heard->milliseconds(span.end - span.first);
        const double startMs = heard->milliseconds(span.first - heard->frameAtFileSize(sizeAtPlay[play]));
        const double doneAfterEndMs = heard->milliseconds(heard->frameAtFileSize(sizeAtDone[play]) - span.end);
        qInfo("play %d: sound of %.0f ms heard for %.0f ms, starting %.0f ms after Play; Done %lld ms after Play, "
              "%.0f ms after the sound",
              play + 1, soundMs, heardMs, startMs, playToDoneMs[play], doneAfterEndMs);
        QVERIFY2(std::abs(heardMs - soundMs) <= 0.15 * soundMs, "the sound was not played whole");
        QVERIFY2(startMs < 150, "the sound started late");
        QVERIFY2(doneAfterEndMs >= 0, "Done came before the sound had ended");
    }
}

void TestSoundPlayerPulse::stalledOutputStillReportsDone()
{
    SuspendedSink suspended;
    QVERIFY(suspended.ok);
    SoundPlayer player;
    QSignalSpy done(&player, &SoundDevice::Done);
    player.setFileName(buzzerPath);
    player.sendCommand(u"Open"_s);
    QTest::qWait(500);
    QElapsedTimer sincePlay;
    sincePlay.start();
    player.sendCommand(u"Play"_s);
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, DoneTimeoutMs);
    const qint64 waitedMs = sincePlay.elapsed();
    qInfo("Done %lld ms after Play into a stalled sink", waitedMs);
    QCOMPARE(done.first().first().toInt(), int(SoundDevice::Failure));
    QVERIFY2(waitedMs >= m_buzzer.milliseconds(m_buzzer.samples.size()), "gave up before the sound could have ended");
}

QTEST_MAIN(TestSoundPlayerPulse)
#include "testSoundPlayerPulse.moc"
