#include "settings/Settings.h"
#include "settings/SettingsIo.h"
#include "settings/SettingsStore.h"
#include "support/OptionsFixture.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The test binary run with this argument, a file name, a count and a seed kills that many saves into
// the file; see TestSettingsAttacks::killedSaveLeavesOldOrNew.
constexpr char KillSavesArgument[] = "--kill-saves";

// Two records that differ in every field. The long title makes each save write long enough for a kill
// to land in the middle of it.
Settings attackRecord(bool renewed)
{
    const int n = renewed ? 1 : 0;
    Settings s;
    s.FormBack = 0x404040 + n;
    s.TimeColor = 33023 + n;
    s.ScoreColor = 255 + n;
    s.SetColor = 65535 + n;
    s.LEDBack = n;
    s.LEDSelected = 0x404040 + 2 * n;
    s.BorderColor = 0xFFFFFF - n;
    s.HomeColor = 0xFFFFFF - 2 * n;
    s.VisitorColor = 0xFFFFFF - 3 * n;
    s.LEDSelectedWidth = qint16(2 + n);
    s.StartStopClockKey = qint16(83 + n);
    s.ResetClockKey = qint16(82 + n);
    s.ClockSwitchKey = qint16(67 + n);
    s.ClearKey = qint16(46 - n);
    s.BuzzerKey = qint16(66 + n);
    s.HomeOneKey = qint16(116 + n);
    s.VisitorOneKey = qint16(117 + n);
    s.NumLockForce = n + 1;
    s.TitleText = QString(20000, renewed ? u'N' : u'O');
    s.HomeText = renewed ? u"Lions"_s : u"Home"_s;
    s.VisitorText = renewed ? u"Tigers; \"B\" = 2"_s : u"Visitor"_s;
    s.TeamSize = Currency::fromTicks(240000 + 5000 * n);
    s.BuzzerFile = renewed ? u"/srv/new buzzer.wav"_s : u"/srv/buzzer.wav"_s;
    s.HomePic = renewed ? u"/srv/home.bmp"_s : QString();
    s.VisitorPic = renewed ? QString() : u"/srv/visitor.gif"_s;
    s.BoardPic = renewed ? u"/srv/board.jpg"_s : QString();
    s.LEDType = qint16(n);
    return s;
}

QByteArray bytesOf(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeBytes(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The file that saving the record into a fresh store writes.
QByteArray savedBytes(const Settings &settings, const QString &fileName)
{
    QFile::remove(fileName);
    SettingsStore store(fileName);
    if (SaveSettings(store, settings))
        return {};
    return bytesOf(fileName);
}

// Chmod does not keep the superuser out, so tests of missing permissions cannot run as root.
bool permissionsBind(const QString &fileName)
{
    QFile probe(fileName);
    return !probe.open(QFileInfo(fileName).isDir() ? QIODevice::ReadOnly : QIODevice::ReadWrite);
}

// Saves the new and the old record by turns into the file, for ever; writes one byte to the ready pipe
// once the first save is done.
[[noreturn]] void runSaveLoop(const QString &fileName, int readyPipe)
{
    SettingsStore store(fileName);
    const Settings records[] = {attackRecord(true), attackRecord(false)};
    for (unsigned long long turn = 0;; ++turn) {
        if (SaveSettings(store, records[turn % 2]))
            _exit(1);
        if (turn == 0 && write(readyPipe, "r", 1) != 1)
            _exit(1);
    }
}

// The helper mode of this binary, a process without threads that may fork: starts a saver, kills it
// with SIGKILL at a random moment of its saves, checks that the file holds the old or the new record
// whole, and again. Prints one line per finding and a last line "old N new M".
int runKilledSaves(const QString &fileName, int kills, quint32 seed)
{
    const QByteArray newBytes = savedBytes(attackRecord(true), fileName);
    const QByteArray oldBytes = savedBytes(attackRecord(false), fileName);
    QRandomGenerator random(seed);
    int endedOld = 0;
    int endedNew = 0;
    for (int kill = 0; kill < kills; ++kill) {
        int ready[2];
        if (pipe(ready) != 0)
            return 1;
        const pid_t saver = fork();
        if (saver < 0)
            return 1;
        if (saver == 0) {
            close(ready[0]);
            runSaveLoop(fileName, ready[1]);
        }
        close(ready[1]);
        char byte = 0;
        const bool started = read(ready[0], &byte, 1) == 1;
        close(ready[0]);
        if (started)
            usleep(random.bounded(20000));
        ::kill(saver, SIGKILL);
        int status = 0;
        waitpid(saver, &status, 0);
        const QByteArray bytes = bytesOf(fileName);
        if (!started || !WIFSIGNALED(status)) {
            std::printf("kill %d: the saver stopped before it was killed\n", kill);
        } else if (bytes == oldBytes) {
            ++endedOld;
        } else if (bytes == newBytes) {
            ++endedNew;
        } else {
            std::printf("kill %d: left a file of %lld bytes that is neither save\n", kill, qint64(bytes.size()));
        }
    }
    std::printf("old %d new %d\n", endedOld, endedNew);
    return 0;
}

} // namespace

// Settings files and folders in every bad shape the operator's disk can leave them in, loaded and saved
// through the real store, and through the options dialog where OK saves. Each must end in a clear
// message or the specified behaviour, and must never leave a half-written file.
class TestSettingsAttacks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void badFileStillLoads_data();
    void badFileStillLoads();
    void truncatedNumberLoadsAsWritten();
    void unusableFileIsLeftAlone_data();
    void unusableFileIsLeftAlone();
    void oversizedSaveIsRefused();
    void failedSaveAtOk_data();
    void failedSaveAtOk();
    void killedSaveLeavesOldOrNew();

private:
    QString path(const QString &name = u"Vantaro.ini"_s) const { return m_dir->filePath(name); }
    QStringList folderEntries() const
    {
        return QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettingsAttacks::initTestCase()
{
    // Writing past the file size limit must fail the write, not kill the test.
    std::signal(SIGXFSZ, SIG_IGN);
}

void TestSettingsAttacks::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSettingsAttacks::badFileStillLoads_data()
{
    // A line that cannot be read has no section and key; a bad value names section, key and stored text.
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("storedText");
    QTest::addColumn<QString>("problem");

    QByteArray junk(4096, '\0');
    QRandomGenerator junkSource(7);
    for (char &byte : junk)
        byte = char(junkSource.bounded(256));
    QTest::newRow("binary junk") << junk << QString() << QString() << QString() << u"Line 1"_s;
    QTest::newRow("many bad lines") << QByteArray("nonsense\n").repeated(5000) << QString() << QString() << QString()
                                    << u"... and 4988 more"_s;
    QTest::newRow("junk after good lines") << QByteArray("[ColorSettings]\nTimeColor=255\n").append(junk) << QString()
                                           << QString() << QString() << u"Line 3"_s;
    QTest::newRow("zero bytes") << QByteArray(300, '\0') << QString() << QString() << QString() << u"Line 1"_s;
    QTest::newRow("truncated in a section name")
        << QByteArray("[ColorSettings]\nTimeColor=255\n[KeySet") << QString() << QString() << QString() << u"Line 3"_s;
    QTest::newRow("truncated in a key name")
        << QByteArray("[KeySettings]\nBuzzerKe") << QString() << QString() << QString() << u"Line 2"_s;
    QTest::newRow("truncated in an escape")
        << QByteArray("[TextSettings]\nHomeText=Lions\\x4") << QString() << QString() << QString() << u"Line 2"_s;
    QTest::newRow("truncated in a character")
        << QByteArray("[TextSettings]\nHomeText=Z\xC3") << QString() << QString() << QString() << u"UTF-8"_s;
    QTest::newRow("truncated after the equals sign")
        << QByteArray("[KeySettings]\nBuzzerKey=") << u"KeySettings"_s << u"BuzzerKey"_s << QString()
        << u"a number from -32768 to 32767"_s;
    QTest::newRow("control characters as a key code")
        << QByteArray("[KeySettings]\nBuzzerKey=\x01\x02\n") << u"KeySettings"_s << u"BuzzerKey"_s << u"\x01\x02"_s
        << u"a number from -32768 to 32767"_s;
    QTest::newRow("colour out of range") << QByteArray("[ColorSettings]\nFormBack=99999999999\n") << u"ColorSettings"_s
                                         << u"FormBack"_s << u"99999999999"_s
                                         << u"a number from -2147483648 to 2147483647"_s;
}

// A damaged file never stops the load. Lines that cannot be read are skipped,
// values that do not convert take their defaults, and the report names them; the first save keeps the
// damaged file beside the new one, byte for byte.
void TestSettingsAttacks::badFileStillLoads()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, storedText);
    QFETCH(QString, problem);
    QVERIFY(writeBytes(path(), contents));

    SettingsStore store(path());
    Settings settings;
    settings.HomeText = u"untouched"_s;
    const SettingsLoadReport report = LoadSettings(store, settings);
    QVERIFY(report.hasProblems());
    QVERIFY(report.fileProblem.isEmpty());
    const QString message = report.message();
    QVERIFY2(message.contains(path()) && message.contains(problem), qPrintable(message));
    if (!key.isEmpty()) {
        const auto found = std::find_if(report.problems.cbegin(), report.problems.cend(),
                                        [&](const SettingsProblem &p) { return p.key == key; });
        QVERIFY(found != report.problems.cend());
        QCOMPARE(found->section, section);
        QCOMPARE(found->storedText, storedText);
        QVERIFY2(message.contains(u"[%1] %2"_s.arg(section, key)), qPrintable(message));
    }
    // The record is loaded whole: the defaults wherever the file gave nothing usable.
    QCOMPARE(settings.HomeText, u"Home"_s);
    QCOMPARE(settings.ScoreColor, 255);
    QCOMPARE(bytesOf(path()), contents);

    QVERIFY(!SaveSettings(store, attackRecord(true)));
    QCOMPARE(bytesOf(report.backupFileName), contents);
    Settings reloaded;
    QVERIFY(!LoadSettings(SettingsStore(path()), reloaded).hasProblems());
    QCOMPARE(reloaded.HomeText, u"Lions"_s);
}

void TestSettingsAttacks::truncatedNumberLoadsAsWritten()
{
    // Cut after "330" of "33023": still a colour, loaded as it stands.
    QVERIFY(writeBytes(path(), "[ColorSettings]\nTimeColor=330"));
    Settings settings;
    QVERIFY(!LoadSettings(SettingsStore(path()), settings).hasProblems());
    QCOMPARE(settings.TimeColor, 330);
    QCOMPARE(settings.ScoreColor, 255);
}

void TestSettingsAttacks::unusableFileIsLeftAlone_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QString>("problem");
    QTest::newRow("unreadable") << u"mode 000"_s << u"cannot be opened"_s;
    QTest::newRow("folder in place of the file") << u"folder"_s << u"cannot be opened"_s;
    QTest::newRow("100 MB large") << u"huge"_s << u"more than the 16777216"_s;
    QTest::newRow("named pipe in place of the file") << u"fifo"_s << u"named pipe"_s;
}

void TestSettingsAttacks::unusableFileIsLeftAlone()
{
    QFETCH(QString, shape);
    QFETCH(QString, problem);
    const QByteArray good = savedBytes(attackRecord(false), path());
    QVERIFY(!good.isEmpty());
    if (shape == u"mode 000") {
        QVERIFY(QFile::setPermissions(path(), {}));
        if (!permissionsBind(path()))
            QSKIP("Running as root: a file of mode 000 can still be read");
    } else if (shape == u"folder") {
        QVERIFY(QFile::remove(path()));
        QVERIFY(QDir().mkdir(path()));
    } else if (shape == u"fifo") {
        // Opened for reading, a pipe without a writer would keep the start waiting for ever.
        QVERIFY(QFile::remove(path()));
        QCOMPARE(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    } else {
        // Good settings followed by comment lines up to 100 MB, written block by block.
        QFile file(path());
        QVERIFY(file.open(QIODevice::Append));
        QByteArray block;
        while (block.size() < 1024 * 1024)
            block += "; padding padding padding padding padding padding padding padding padding\n";
        while (file.size() < 100 * 1024 * 1024)
            QCOMPARE(file.write(block), block.size());
    }
    const auto restore = qScopeGuard([&] {
        if (shape == u"mode 000")
            QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    });
    const QFileInfo before(path());

    QElapsedTimer timer;
    timer.start();
    SettingsStore store(path());
    Settings settings;
    const SettingsLoadReport report = LoadSettings(store, settings);
    const qint64 loadTime = timer.elapsed();
    QVERIFY(!report.fileProblem.isEmpty());
    QVERIFY2(report.message().contains(path()) && report.message().contains(problem), qPrintable(report.message()));
    QVERIFY2(loadTime < 1000, qPrintable(u"Refusing the file took %1 ms"_s.arg(loadTime)));
    // The program starts on the defaults.
    QCOMPARE(settings.TimeColor, 33023);
    QCOMPARE(settings.HomeText, u"Home"_s);

    const std::optional<QString> saveError = SaveSettings(store, attackRecord(true));
    QVERIFY(saveError);
    QVERIFY2(saveError->contains(path()), qPrintable(*saveError));
    const QFileInfo after(path());
    QCOMPARE(after.isDir(), before.isDir());
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.lastModified(), before.lastModified());
    QCOMPARE(folderEntries(), QStringList {u"Vantaro.ini"_s});
}

void TestSettingsAttacks::oversizedSaveIsRefused()
{
    // A store that would write a file too large to be read again refuses the save instead.
    const QByteArray old = savedBytes(attackRecord(false), path());
    SettingsStore store(path());
    Settings huge = attackRecord(true);
    huge.TitleText = QString(17 * 1024 * 1024, u'x');
    const std::optional<QString> error = SaveSettings(store, huge);
    QVERIFY(error);
    QVERIFY2(error->contains(path()) && error->contains(u"more than 16777216 bytes"_s), qPrintable(*error));
    QCOMPARE(bytesOf(path()), old);
    QCOMPARE(folderEntries(), QStringList {u"Vantaro.ini"_s});
}

void TestSettingsAttacks::failedSaveAtOk_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("read-only folder") << u"read-only folder"_s;
    QTest::newRow("folder put in place of the file") << u"folder"_s;
    QTest::newRow("disk full") << u"disk full"_s;
}

void TestSettingsAttacks::failedSaveAtOk()
{
    QFETCH(QString, failure);
    OptionsFixture fixture;
    const QString folder = QFileInfo(fixture.storePath).absolutePath();
    const QByteArray old = savedBytes(fixture.settings, fixture.storePath);
    QVERIFY(!old.isEmpty());
    fixture.open();
    fixture.type(u"txtTitleText"_s, u"City Cup"_s);

    rlimit previousLimit {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        setrlimit(RLIMIT_FSIZE, &previousLimit);
    });
    if (failure == u"read-only folder") {
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        if (QFile probe(folder + u"/probe"_s); probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QSKIP("Running as root: a read-only folder can still be written");
        }
    } else if (failure == u"folder") {
        QVERIFY(QFile::remove(fixture.storePath));
        QVERIFY(QDir().mkdir(fixture.storePath));
    } else {
        rlimit small = previousLimit;
        small.rlim_cur = 64; // the disk fills up part way through the new file
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    fixture.click(u"cmdOk"_s);
    setrlimit(RLIMIT_FSIZE, &previousLimit);

    // The operator is told, in one message naming the file, and the new settings stay in use.
    QCOMPARE(fixture.prompts.warnings.size(), 1);
    const QString warning = fixture.prompts.warnings.first();
    QVERIFY2(warning.contains(u"could not be saved"_s) && warning.contains(fixture.storePath)
                 && warning.contains(u"The new settings are in use"_s),
             qPrintable(warning));
    QCOMPARE(fixture.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(fixture.settings.TitleText, u"City Cup"_s);

    // What was saved before is there as it was, with nothing half-written beside it.
    if (failure == u"folder")
        QVERIFY(QFileInfo(fixture.storePath).isDir());
    else
        QCOMPARE(bytesOf(fixture.storePath), old);
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    QVERIFY2(entries.filter(u"Vantaro.ini"_s).size() == 1, qPrintable(entries.join(u", "_s)));
}

void TestSettingsAttacks::killedSaveLeavesOldOrNew()
{
    constexpr int Kills = 1000;
    QElapsedTimer timer;
    timer.start();
    QProcess killer;
    killer.start(QCoreApplication::applicationFilePath(),
                 {QString::fromLatin1(KillSavesArgument), path(), QString::number(Kills), QString::number(20261208)});
    QVERIFY2(killer.waitForFinished(120000), qPrintable(killer.errorString()));
    QCOMPARE(killer.exitCode(), 0);
    const QStringList lines = QString::fromLocal8Bit(killer.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    QVERIFY2(lines.size() == 1, qPrintable(lines.join(u'\n')));
    const QStringList counts = lines.last().split(u' ');
    QCOMPARE(counts.size(), 4);
    const int endedOld = counts[1].toInt();
    const int endedNew = counts[3].toInt();
    qInfo("%d kills in %lld ms: %d left the old settings, %d the new", Kills, timer.elapsed(), endedOld, endedNew);
    QCOMPARE(endedOld + endedNew, Kills);
    // Kills landed at different moments of the saves, or the test proves little.
    QVERIFY(endedOld > 0 && endedNew > 0);

    Settings loaded;
    const SettingsLoadReport report = LoadSettings(SettingsStore(path()), loaded);
    QVERIFY2(!report.hasProblems(), qPrintable(report.message()));
    // The next save sweeps away what the killed ones left half-written.
    SettingsStore store(path());
    QVERIFY(!SaveSettings(store, attackRecord(true)));
    QCOMPARE(folderEntries(), QStringList {u"Vantaro.ini"_s});
}

int main(int argc, char *argv[])
{
    if (argc == 5 && std::strcmp(argv[1], KillSavesArgument) == 0)
        return runKilledSaves(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]), quint32(std::atoll(argv[4])));
    QApplication application(argc, argv);
    TestSettingsAttacks test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "testSettingsAttacks.moc"
