#include "core/BackgroundWork.h"
#include "core/FileAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

// Opening only ordinary files, never waiting for a writer, and the threads that may wait in the caller's
// place.
class TestFileAccess : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readsAnOrdinaryFile();
    void refusesWhatIsNoFile_data();
    void refusesWhatIsNoFile();
    void largerFilesAreRefusedOrCut();
    void stampChangesWithTheFile();
    void checkAnswersOnTheCallersThread();
    void checkForAGoneContextIsDropped();
    void timeLimitReturnsWhileTheWorkGoesOn();
    void stuckPiecesNeverHoldUpTheNext();
    void delayForTestingStallsOnlyItsPaths();

private:
    QString write(const QString &name, const QByteArray &contents);
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestFileAccess::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestFileAccess::write(const QString &name, const QByteArray &contents)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(contents) != contents.size())
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

void TestFileAccess::readsAnOrdinaryFile()
{
    const QString path = write(u"notes.txt"_s, "line one\nline two\n");
    const FileAccess::Contents contents = FileAccess::readRegular(path, 1024, FileAccess::Larger::Refuse);
    QVERIFY(contents.problem.isEmpty());
    QVERIFY(!contents.missing);
    QCOMPARE(contents.bytes, QByteArray("line one\nline two\n"));
    QCOMPARE(contents.stamp.size, 18);
    const FileAccess::Opened opened = FileAccess::openRegular(path);
    QVERIFY(opened.file && opened.file->isOpen());
    QCOMPARE(opened.file->readLine(), QByteArray("line one\n"));
}

void TestFileAccess::refusesWhatIsNoFile_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<bool>("missing");
    QTest::newRow("nothing of that name") << u"missing"_s << u"does not exist"_s << true;
    QTest::newRow("empty name") << u"empty"_s << u"does not exist"_s << true;
    QTest::newRow("a folder") << u"folder"_s << u"folder"_s << false;
    QTest::newRow("a named pipe") << u"fifo"_s << u"named pipe"_s << false;
    QTest::newRow("a device") << u"device"_s << u"device"_s << false;
    QTest::newRow("a link to a named pipe") << u"link"_s << u"named pipe"_s << false;
}

// A named pipe without a writer would keep an open for reading waiting for ever: it is refused at once.
void TestFileAccess::refusesWhatIsNoFile()
{
    QFETCH(QString, shape);
    QFETCH(QString, problem);
    QFETCH(bool, missing);
    QString path = m_dir->filePath(u"thing"_s);
    if (shape == u"empty"_s)
        path.clear();
    else if (shape == u"folder"_s)
        QVERIFY(QDir().mkdir(path));
    else if (shape == u"fifo"_s || shape == u"link"_s)
        QCOMPARE(::mkfifo(QFile::encodeName(m_dir->filePath(u"pipe"_s)).constData(), 0600), 0);
    if (shape == u"fifo"_s)
        path = m_dir->filePath(u"pipe"_s);
    if (shape == u"link"_s)
        QVERIFY(QFile::link(m_dir->filePath(u"pipe"_s), path));
    if (shape == u"device"_s)
        path = u"/dev/zero"_s;
    QElapsedTimer timer;
    timer.start();
    const FileAccess::Contents contents = FileAccess::readRegular(path, 1024, FileAccess::Larger::Truncate);
    const FileAccess::Opened opened = FileAccess::openRegular(path);
    QVERIFY(timer.elapsed() < 1000);
    QVERIFY(!opened.file);
    QVERIFY2(contents.problem.contains(problem), qPrintable(contents.problem));
    QCOMPARE(contents.missing, missing);
    QVERIFY(contents.bytes.isEmpty());
    QCOMPARE(FileAccess::inspect(path).problem, contents.problem);
}

void TestFileAccess::largerFilesAreRefusedOrCut()
{
    const QString path = write(u"big.txt"_s, QByteArray(5000, 'x'));
    const FileAccess::Contents refused = FileAccess::readRegular(path, 4096, FileAccess::Larger::Refuse);
    QVERIFY2(refused.problem.contains(u"5000 bytes"_s) && refused.problem.contains(u"4096"_s),
             qPrintable(refused.problem));
    QVERIFY(refused.bytes.isEmpty());
    const FileAccess::Contents cut = FileAccess::readRegular(path, 4096, FileAccess::Larger::Truncate);
    QVERIFY(cut.problem.isEmpty());
    QCOMPARE(cut.bytes.size(), 4096);
}

void TestFileAccess::stampChangesWithTheFile()
{
    const QString path = write(u"crest.png"_s, "first");
    const FileAccess::Stamp first = FileAccess::inspect(path).stamp;
    QCOMPARE(FileAccess::inspect(path).stamp, first);
    QThread::msleep(20);
    write(u"crest.png"_s, "second");
    QVERIFY(!(FileAccess::inspect(path).stamp == first));
    // Another file put in its place, even of the same size and time, is another file.
    const QString other = write(u"other.png"_s, "second");
    QVERIFY(QFile::remove(path));
    QVERIFY(QFile::rename(other, path));
    QVERIFY(!(FileAccess::inspect(path).stamp == first));
}

void TestFileAccess::checkAnswersOnTheCallersThread()
{
    const QString file = write(u"buzzer.wav"_s, "RIFF");
    QObject context;
    QList<bool> answers;
    bool onThisThread = true;
    for (const QString &path : {file, m_dir->path(), m_dir->filePath(u"gone.wav"_s)}) {
        FileAccess::whenChecked(&context, path, [&](bool isFile) {
            answers << isFile;
            onThisThread = onThisThread && QThread::currentThread() == context.thread();
        });
    }
    QTRY_COMPARE(answers.size(), 3);
    QCOMPARE(answers.count(true), 1);
    QVERIFY(onThisThread);
}

void TestFileAccess::checkForAGoneContextIsDropped()
{
    bool answered = false;
    {
        QObject context;
        FileAccess::whenChecked(&context, write(u"a.wav"_s, "RIFF"), [&answered](bool) { answered = true; });
    }
    QVERIFY(BackgroundWork::waitForUnfinished(std::chrono::seconds(5)));
    QTest::qWait(50);
    QVERIFY(!answered);
}

void TestFileAccess::timeLimitReturnsWhileTheWorkGoesOn()
{
    auto finished = std::make_shared<std::atomic_bool>(false);
    QElapsedTimer timer;
    timer.start();
    const std::optional<int> late = BackgroundWork::runWithin<int>(
        [finished] {
            QThread::msleep(600);
            *finished = true;
            return 1;
        },
        std::chrono::milliseconds(100));
    QVERIFY(!late);
    QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(!*finished);
    QVERIFY(BackgroundWork::waitForUnfinished(std::chrono::seconds(5)));
    QVERIFY(*finished);
    QCOMPARE(BackgroundWork::runWithin<int>([] { return 7; }, std::chrono::seconds(5)), std::optional<int>(7));
}

// A piece that does not return (a drive that stopped answering) keeps its thread; every later piece
// still gets one of its own at once.
void TestFileAccess::stuckPiecesNeverHoldUpTheNext()
{
    auto released = std::make_shared<std::atomic_bool>(false);
    for (int stuck = 0; stuck < 3; ++stuck) {
        BackgroundWork::run<int>([released] {
            while (!*released)
                QThread::msleep(5);
            return 0;
        });
    }
    for (int piece = 0; piece < 5; ++piece)
        QCOMPARE(BackgroundWork::runWithin<int>([piece] { return piece; }, std::chrono::seconds(2)),
                 std::optional<int>(piece));
    QVERIFY(BackgroundWork::unfinished() >= 3);
    *released = true;
    QVERIFY(BackgroundWork::waitForUnfinished(std::chrono::seconds(5)));
}

void TestFileAccess::delayForTestingStallsOnlyItsPaths()
{
    const QString slow = write(u"slow.txt"_s, "slow");
    const QString quick = write(u"quick.txt"_s, "quick");
    FileAccess::setFileSystemDelayForTesting([](const QString &path) {
        if (path.contains(u"slow"_s))
            QThread::msleep(300);
    });
    QElapsedTimer timer;
    timer.start();
    QVERIFY(FileAccess::inspect(quick).problem.isEmpty());
    QVERIFY(timer.elapsed() < 250);
    QVERIFY(!BackgroundWork::runWithin<bool>([slow] { return FileAccess::inspect(slow).problem.isEmpty(); },
                                             std::chrono::milliseconds(50)));
    FileAccess::setFileSystemDelayForTesting(nullptr);
    QVERIFY(BackgroundWork::waitForUnfinished(std::chrono::seconds(5)));
}

QTEST_GUILESS_MAIN(TestFileAccess)
#include "testFileAccess.moc"
