#include "core/FileAccess.h"
#include "dialogs/HelpLauncher.h"
#include "dialogs/ShowOptionsDialog.h"
#include "support/BoardFixture.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTimer>

#include <condition_variable>
#include <mutex>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// The clock panel's repaints, with the time of each.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *watched)
    {
        m_clock.start();
        watched->installEventFilter(this);
    }

    QList<qint64> times;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            times.append(m_clock.elapsed());
        return false;
    }

private:
    QElapsedTimer m_clock;
};

// A file system that stops answering for paths with "stalled" in them, as a network drive that went
// away does: whoever asks waits until the test ends.
class StalledDrive
{
public:
    StalledDrive()
    {
        FileAccess::setFileSystemDelayForTesting([this](const QString &path) {
            if (!path.contains(u"stalled"_s))
                return;
            std::unique_lock lock(m_mutex);
            m_released.wait(lock, [this] { return m_answering; });
        });
    }

    ~StalledDrive()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_answering = true;
        }
        m_released.notify_all();
        FileAccess::setFileSystemDelayForTesting(nullptr);
        settleBackgroundWork();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_released;
    bool m_answering = false;
};

} // namespace

// Nothing on the GUI thread waits for a file. The board runs its clock in the last minute (a
// repaint every tenth of a second) on the real sound player, help viewer and options dialog, while every
// file it reads (buzzer, three pictures, help document) names a named pipe, a 100 MB picture or a file
// on a drive that never answers; F1, F2 and Esc, resizes and the buzzer key are driven throughout, and the
// clock must be repainted at least 5 times in every second.
class TestBoardWatchdog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void clockKeepsRepainting_data();
    void clockKeepsRepainting();

private:
    QTemporaryDir m_folder;
    QString m_hugePicture;
};

void TestBoardWatchdog::initTestCase()
{
    QVERIFY(m_folder.isValid());
    // 5800 x 5800 pixels of noise, stored without compression: a PNG of 100 MB that takes a good part of
    // a second to decode, every time.
    m_hugePicture = m_folder.filePath(u"huge/vantarohelpfile.rtf"_s);
    QVERIFY(QDir().mkpath(m_folder.filePath(u"huge"_s)));
    QImage picture(5800, 5800, QImage::Format_RGB32);
    QRandomGenerator noise(11);
    for (int y = 0; y < picture.height(); ++y)
        noise.fillRange(reinterpret_cast<quint32 *>(picture.scanLine(y)), picture.width());
    QVERIFY(picture.save(m_hugePicture, "PNG", 100));
    QVERIFY(QFileInfo(m_hugePicture).size() >= 100'000'000);
    QVERIFY(QDir().mkpath(m_folder.filePath(u"pipe"_s)));
    QCOMPARE(::mkfifo(QFile::encodeName(m_folder.filePath(u"pipe/vantarohelpfile.rtf"_s)).constData(), 0600), 0);
    QVERIFY(QDir().mkpath(m_folder.filePath(u"stalled"_s)));
    QFile stalled(m_folder.filePath(u"stalled/vantarohelpfile.rtf"_s));
    QVERIFY(stalled.open(QIODevice::WriteOnly));
    stalled.write("{\\rtf1 never read}");
}

void TestBoardWatchdog::clockKeepsRepainting_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("named pipe") << u"pipe"_s;
    QTest::newRow("100 MB picture") << u"huge"_s;
    QTest::newRow("drive that never answers") << u"stalled"_s;
}

void TestBoardWatchdog::clockKeepsRepainting()
{
    QFETCH(QString, folder);
    const QString programFolder = m_folder.filePath(folder);
    // Every file the board reads is that one file.
    const QString file = programFolder + u"/vantarohelpfile.rtf"_s;
    StalledDrive drive;

    BoardFixture fixture;
    fixture.settings.BuzzerFile = file;
    fixture.settings.HomePic = file;
    fixture.settings.VisitorPic = file;
    fixture.settings.BoardPic = file;
    SettingsStore store(m_folder.filePath(u"Vantaro.ini"_s));
    HelpLauncher help(programFolder);
    BoardServices services;
    services.numLock = &fixture.numLock;

    QElapsedTimer opening;
    opening.start();
    // On the steady clock, so that the clock really runs while the board is watched.
    Match match;
    fixture.board = std::make_unique<frmScoreboard>(BoardDesign::window(), fixture.settings, match, services);
    frmScoreboard &board = *fixture.board;
    QVERIFY2(opening.elapsed() < 1000, qPrintable(QString::number(opening.elapsed())));
    board.setShowHelp([&] { help.show(&board); });
    board.setShowOptions([&] { showOptionsDialog(&board, fixture.settings, store, fixture.numLock); });
    board.showBoard();
    board.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&board));
    const auto keyOnBoard = [&board](Qt::Key key) {
        board.activateWindow();
        QTest::keyClick(board.focusWidget() ? board.focusWidget() : &board, key);
    };

    // 0:50 and running: the clock shows tenths.
    fixture.focus(u"tledGame"_s);
    fixture.type(u"0.50\r"_s);
    fixture.type(u"S"_s);
    PaintWatch paints(fixture.find(u"tledGame"_s));

    keyOnBoard(Qt::Key_F1);
    QTest::qWait(150);
    keyOnBoard(Qt::Key_B);
    QTest::qWait(100);
    for (int round = 0; round < 2; ++round) {
        bool dialogSeen = false;
        QTimer::singleShot(300, [&dialogSeen] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                dialogSeen = true;
                QTest::keyClick(dialog, Qt::Key_Escape);
            }
        });
        keyOnBoard(Qt::Key_F2);
        QVERIFY(dialogSeen);
        QTest::qWait(100);
        board.showNormal();
        for (const QSize size : {QSize(800, 600), QSize(1100, 700), QSize(700, 500)}) {
            board.resize(size);
            QTest::qWait(80);
        }
        board.showMaximized();
        QTest::qWait(100);
        keyOnBoard(Qt::Key_B);
        keyOnBoard(Qt::Key_F1);
        QTest::qWait(100);
    }
    const qint64 watched = paints.times.isEmpty() ? 0 : paints.times.last();

    // At least 5 repaints in every second, and never a long stall between two.
    QVERIFY2(paints.times.size() > 10, qPrintable(QString::number(paints.times.size())));
    qint64 longestGap = 0;
    for (qsizetype i = 1; i < paints.times.size(); ++i)
        longestGap = std::max(longestGap, paints.times[i] - paints.times[i - 1]);
    int fewest = int(paints.times.size());
    for (qsizetype i = 0; i < paints.times.size(); ++i) {
        if (paints.times[i] + 1000 > watched)
            break;
        const auto end = std::lower_bound(paints.times.cbegin(), paints.times.cend(), paints.times[i] + 1000);
        fewest = std::min(fewest, int(end - (paints.times.cbegin() + i)));
    }
    QVERIFY2(fewest >= 5 && longestGap <= 400,
             qPrintable(
                 u"%1 repaints in %2 ms: the fewest in one second %3, the longest gap %4 ms"_s.arg(paints.times.size())
                     .arg(watched)
                     .arg(fewest)
                     .arg(longestGap)));
    // The board shows nothing it could not read, and went on running.
    QVERIFY(fixture.find<TimePanel>(u"tledGame"_s)->caption() < 50);
    help.close();
}

QTEST_MAIN(TestBoardWatchdog)
#include "testBoardWatchdog.moc"
