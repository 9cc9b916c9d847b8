#include "dialogs/HelpLauncher.h"
#include "dialogs/RichTextBox.h"
#include "dialogs/frmHelp.h"
#include "widgets/ElementKind.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int TwipsPerPixel = 15;

// A program folder of its own for each test, holding a help file or not.
class ProgramFolder
{
public:
    QString path() const { return m_folder.path(); }
    QString helpFile() const { return m_folder.filePath(frmHelp::fileName()); }

    void writeHelp(const QByteArray &contents) const
    {
        QFile file(helpFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
    }

    void installRealHelp() const
    {
        QFile::remove(helpFile());
        QVERIFY(QFile::copy(QStringLiteral(VANTARO_ASSETS_DIR "/vantarohelpfile.rtf"), helpFile()));
    }

private:
    QTemporaryDir m_folder;
};

// Shows the viewer and waits until the window system has shown it.
void showAndSettle(QWidget &window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

// Outer size in twips once the resize rule has run.
void resizeOuterTo(frmHelp &viewer, QSize outerPixels)
{
    const QSize frame = viewer.frameGeometry().size() - viewer.size();
    viewer.resize(outerPixels - frame);
    QCoreApplication::processEvents();
}

void verifyBoxFitted(const frmHelp &viewer)
{
    const QSize outer = viewer.outerSizeTwips();
    const RichTextBox *box = viewer.rtbHelp();
    QCOMPARE(box->leftTwips(), 120);
    QCOMPARE(box->topTwips(), 0);
    QCOMPARE(box->widthTwips(), outer.width() - 240);
    QCOMPARE(box->heightTwips(), outer.height() - 420);
    QCOMPARE(box->rightMargin(), box->widthTwips() - 450);
    QCOMPARE(box->lineWrapMode(), QTextEdit::FixedPixelWidth);
    QCOMPARE(box->lineWrapColumnOrWidth(), (box->widthTwips() - 450) / TwipsPerPixel);
    QCOMPARE(box->geometry(), QRect(8, 0, box->widthTwips() / TwipsPerPixel, box->heightTwips() / TwipsPerPixel));
}

int topLevelViewers()
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += qobject_cast<frmHelp *>(window) ? 1 : 0;
    return count;
}

} // namespace

class TestHelpViewer : public QObject
{
    Q_OBJECT

private slots:
    void showsTheNoticeWithoutTheFile_data();
    void showsTheNoticeWithoutTheFile();
    void showsTheHelpDocument();
    void keysScrollTheDocumentButTypeNothing();
    void showsAFileThatIsNotRtfAsText();
    void isAPlainWhiteSizableWindow();
    void resizeFitsTheBox_data();
    void resizeFitsTheBox();
    void resizeBelowTheMinimumSnapsBack_data();
    void resizeBelowTheMinimumSnapsBack();
    void minimizingAndRestoringKeepsTheBoxFitted();
    void boxStaysInsideAThickFrame_data();
    void boxStaysInsideAThickFrame();
    void secondShowBringsTheSameViewerWithoutReloading();
    void reopeningAfterCloseReloads();
    void opensCentredOnItsOwner();
    void longDocumentLoadsInLinearTimeOffTheGuiThread();
    void helpThatIsNoFileShowsTheNotice_data();
    void helpThatIsNoFileShowsTheNotice();
    void cleanup();
};

void TestHelpViewer::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        delete qobject_cast<frmHelp *>(window);
}

void TestHelpViewer::showsTheNoticeWithoutTheFile_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("no file") << QString();
    QTest::newRow("a folder of that name") << u"folder"_s;
    QTest::newRow("file under another name") << u"renamed"_s;
}

void TestHelpViewer::showsTheNoticeWithoutTheFile()
{
    QFETCH(QString, obstacle);
    ProgramFolder folder;
    if (obstacle == u"folder"_s)
        QVERIFY(QDir(folder.path()).mkdir(frmHelp::fileName()));
    if (obstacle == u"renamed"_s)
        QVERIFY(QFile::copy(QStringLiteral(VANTARO_ASSETS_DIR "/vantarohelpfile.rtf"),
                            folder.path() + u"/VantaroHelpFile.rtf"_s));
    frmHelp viewer(folder.path());
    QTRY_VERIFY(!viewer.isLoading());
    QCOMPARE(viewer.rtbHelp()->text(),
             u"Help file has been moved from its normal location.  Please reinstall the program."_s);
}

void TestHelpViewer::showsTheHelpDocument()
{
    ProgramFolder folder;
    folder.installRealHelp();
    frmHelp viewer(folder.path());
    QTRY_VERIFY(!viewer.isLoading());
    const QString text = viewer.rtbHelp()->text();
    QVERIFY(text.startsWith(u"Vantaro Help\n"_s));
    // Nothing of the RTF syntax is left over, and every part of the guide is there.
    QVERIFY(!text.contains(u'\\'));
    QVERIFY(!text.contains(u'{'));
    for (const QString &heading :
         {u"Starting and ending"_s, u"What the board shows"_s, u"Command keys"_s, u"Selecting a field"_s,
          u"Typing numbers"_s, u"Possession"_s, u"Game clock and buzzer"_s, u"The options dialog"_s, u"NumLock"_s,
          u"Where your options are kept"_s, u"About this help"_s}) {
        QTextBlock block = viewer.rtbHelp()->document()->begin();
        while (block.isValid() && block.text() != heading)
            block = block.next();
        QVERIFY2(block.isValid(), qPrintable(heading));
        QCOMPARE(block.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
    }
    QVERIFY(text.contains(u"12.30 Enter sets 12:30"_s));
    QVERIFY(text.contains(u"~/.config/Vantaro/Vantaro.ini"_s));
}

void TestHelpViewer::keysScrollTheDocumentButTypeNothing()
{
    ProgramFolder folder;
    folder.installRealHelp();
    frmHelp viewer(folder.path());
    QTRY_VERIFY(!viewer.isLoading());
    showAndSettle(viewer);
    RichTextBox *box = viewer.rtbHelp();
    const QString text = box->text();
    QCOMPARE(box->verticalScrollBar()->value(), 0);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_PageDown);
    QVERIFY(box->verticalScrollBar()->value() > 0);
    QTest::keyClicks(box, u"typed"_s);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), text);
}

void TestHelpViewer::showsAFileThatIsNotRtfAsText()
{
    ProgramFolder folder;
    folder.writeHelp("Plain words\nsecond line");
    frmHelp viewer(folder.path());
    QTRY_VERIFY(!viewer.isLoading());
    QCOMPARE(viewer.rtbHelp()->text(), u"Plain words\nsecond line"_s);
}

void TestHelpViewer::isAPlainWhiteSizableWindow()
{
    ProgramFolder folder;
    frmHelp viewer(folder.path());
    QTRY_VERIFY(!viewer.isLoading());
    QCOMPARE(viewer.windowTitle(), u"Vantaro Help"_s);
    QVERIFY(viewer.isWindow());
    QCOMPARE(viewer.objectName(), u"frmHelp"_s);
    QVERIFY(!(viewer.windowFlags() & Qt::MSWindowsFixedSizeDialogHint));
    QVERIFY(viewer.autoFillBackground());
    QCOMPARE(viewer.palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(viewer.size(), QSize(11055 / TwipsPerPixel, 9270 / TwipsPerPixel));
    QCOMPARE(viewer.elements().size(), 1);
    QObject *box = viewer.elements().constFirst();
    QCOMPARE(box->objectName(), u"rtbHelp"_s);
    QCOMPARE(ElementKind::of(box), u"RichTextBox"_s);
    QVERIFY(viewer.rtbHelp()->isReadOnly());
    QCOMPARE(viewer.rtbHelp()->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
}

void TestHelpViewer::resizeFitsTheBox_data()
{
    QTest::addColumn<QSize>("outer");
    QTest::newRow("about the design size") << QSize(741, 650);
    QTest::newRow("wide") << QSize(1400, 500);
    QTest::newRow("tall") << QSize(400, 1000);
    QTest::newRow("just above the minimum") << QSize(181, 115);
    QTest::newRow("odd pixels") << QSize(777, 333);
}

void TestHelpViewer::resizeFitsTheBox()
{
    QFETCH(QSize, outer);
    ProgramFolder folder;
    folder.installRealHelp();
    frmHelp viewer(folder.path());
    QTRY_VERIFY(!viewer.isLoading());
    showAndSettle(viewer);
    verifyBoxFitted(viewer);
    resizeOuterTo(viewer, outer);
    QTRY_COMPARE(viewer.frameGeometry().size(), outer);
    verifyBoxFitted(viewer);
}

void TestHelpViewer::resizeBelowTheMinimumSnapsBack_data()
{
    QTest::addColumn<QSize>("outer");
    QTest::newRow("too narrow") << QSize(100, 400);
    QTest::newRow("too low") << QSize(600, 60);
    QTest::newRow("both") << QSize(20, 20);
}

void TestHelpViewer::resizeBelowTheMinimumSnapsBack()
{
    QFETCH(QSize, outer);
    ProgramFolder folder;
    frmHelp viewer(folder.path());
    QTRY_VERIFY(!viewer.isLoading());
    showAndSettle(viewer);
    resizeOuterTo(viewer, outer);
    QTRY_VERIFY(viewer.outerSizeTwips().width() >= 2700 && viewer.outerSizeTwips().height() >= 1700);
    const QSize snapped = viewer.outerSizeTwips();
    // In whole pixels the least size is 180 x 114, the first that reaches 2700 x 1700 twips.
    QCOMPARE(snapped.width(), outer.width() * TwipsPerPixel < 2700 ? 2700 : outer.width() * TwipsPerPixel);
    QCOMPARE(snapped.height(), outer.height() * TwipsPerPixel < 1700 ? 1710 : outer.height() * TwipsPerPixel);
    verifyBoxFitted(viewer);
}

void TestHelpViewer::minimizingAndRestoringKeepsTheBoxFitted()
{
    ProgramFolder folder;
    frmHelp viewer(folder.path());
    QTRY_VERIFY(!viewer.isLoading());
    showAndSettle(viewer);
    resizeOuterTo(viewer, QSize(500, 400));
    const QRect fitted = viewer.rtbHelp()->geometry();
    viewer.showMinimized();
    QTRY_VERIFY(viewer.isMinimized());
    // A resize that arrives while minimized changes nothing.
    viewer.resize(50, 50);
    QCoreApplication::processEvents();
    QCOMPARE(viewer.rtbHelp()->geometry(), fitted);
    viewer.showNormal();
    QTRY_VERIFY(!viewer.isMinimized());
    resizeOuterTo(viewer, QSize(500, 400));
    QTRY_COMPARE(viewer.frameGeometry().size(), QSize(500, 400));
    verifyBoxFitted(viewer);
}

void TestHelpViewer::boxStaysInsideAThickFrame_data()
{
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRect>("box");
    QTest::newRow("thin frame: the rule as it stands")
        << QSize(9000, 6000) << QSize(8940, 5640) << QRect(120, 0, 8760, 5580);
    QTest::newRow("design frame") << QSize(11175, 9675) << QSize(11055, 9270) << QRect(120, 0, 10935, 9255);
    QTest::newRow("thick title bar") << QSize(9000, 6000) << QSize(8970, 5400) << QRect(120, 0, 8760, 5400);
    QTest::newRow("thick borders") << QSize(9000, 6000) << QSize(8700, 5580) << QRect(120, 0, 8580, 5580);
}

void TestHelpViewer::boxStaysInsideAThickFrame()
{
    QFETCH(QSize, outer);
    QFETCH(QSize, client);
    QFETCH(QRect, box);
    QCOMPARE(frmHelp::boxGeometry(outer, client), box);
}

void TestHelpViewer::secondShowBringsTheSameViewerWithoutReloading()
{
    ProgramFolder folder;
    folder.writeHelp("{\\rtf1 first text}");
    HelpLauncher help(folder.path());
    frmHelp *first = help.show(nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(first));
    QTRY_VERIFY(!first->isLoading());
    QCOMPARE(first->rtbHelp()->text(), u"first text"_s);

    folder.writeHelp("{\\rtf1 changed text}");
    first->showMinimized();
    QTRY_VERIFY(first->isMinimized());
    QCOMPARE(help.show(nullptr), first);
    QTRY_VERIFY(!first->isMinimized());
    QVERIFY(first->isVisible());
    QCOMPARE(first->rtbHelp()->text(), u"first text"_s);
    QCOMPARE(topLevelViewers(), 1);
}

void TestHelpViewer::reopeningAfterCloseReloads()
{
    ProgramFolder folder;
    folder.installRealHelp();
    HelpLauncher help(folder.path());
    QPointer<frmHelp> first = help.show(nullptr);
    QTRY_VERIFY(!first->isLoading());
    QVERIFY(first->rtbHelp()->text().startsWith(u"Vantaro Help"_s));

    // The operator deletes the file, closes the viewer and opens it again.
    QVERIFY(QFile::remove(folder.helpFile()));
    first->close();
    QTRY_VERIFY(first.isNull());
    QCOMPARE(help.viewer(), nullptr);
    frmHelp *second = help.show(nullptr);
    QTRY_VERIFY(!second->isLoading());
    QCOMPARE(second->rtbHelp()->text(), frmHelp::missingFileText());
    QCOMPARE(topLevelViewers(), 1);
}

void TestHelpViewer::opensCentredOnItsOwner()
{
    ProgramFolder folder;
    QWidget owner;
    owner.setGeometry(300, 200, 900, 700);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    HelpLauncher help(folder.path());
    frmHelp *viewer = help.show(&owner);
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    const QPoint offset = viewer->frameGeometry().center() - owner.frameGeometry().center();
    // Off by at most the frame, which is not known before the first show.
    const QSize frame = viewer->frameGeometry().size() - viewer->size();
    QVERIFY2(qAbs(offset.x()) <= frame.width() && qAbs(offset.y()) <= frame.height(),
             qPrintable(u"offset %1, %2"_s.arg(offset.x()).arg(offset.y())));
}

namespace {

QByteArray paragraphs(int count)
{
    QByteArray document = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\pard\\sa120 ";
    for (int i = 0; i < count; ++i)
        document += "{\\b Rule " + QByteArray::number(i) + ".} A paragraph of the help document.\\par\n";
    return document + '}';
}

} // namespace

// The help document is built off-screen, off the GUI thread, in time linear in its length
// (it grew with the square of the paragraph count: 20,000 paragraphs took 8 s, all on the GUI thread).
void TestHelpViewer::longDocumentLoadsInLinearTimeOffTheGuiThread()
{
    QList<qint64> times;
    for (const int count : {20000, 80000}) {
        ProgramFolder folder;
        folder.writeHelp(paragraphs(count));
        int ticks = 0;
        QTimer gui;
        connect(&gui, &QTimer::timeout, [&ticks] { ++ticks; });
        gui.start(10);
        QElapsedTimer timer;
        timer.start();
        frmHelp viewer(folder.path());
        QVERIFY2(timer.elapsed() < 500, qPrintable(u"the viewer took %1 ms to open"_s.arg(timer.elapsed())));
        QTRY_VERIFY_WITH_TIMEOUT(!viewer.isLoading(), 120000);
        times << timer.elapsed();
        QCOMPARE(viewer.rtbHelp()->document()->blockCount(), count + 1);
        QVERIFY(viewer.rtbHelp()->text().startsWith(u"Rule 0. A paragraph"_s));
        // The GUI thread went on meanwhile.
        QVERIFY2(ticks >= times.last() / 10 / 4, qPrintable(u"%1 ticks in %2 ms"_s.arg(ticks).arg(times.last())));
    }
    // Four times the paragraphs, about four times the time; the square would be sixteen.
    QVERIFY2(times[1] < times[0] * 8 + 200, qPrintable(u"%1 ms, then %2 ms"_s.arg(times[0]).arg(times[1])));
}

void TestHelpViewer::helpThatIsNoFileShowsTheNotice_data()
{
    QTest::addColumn<QString>("shape");
    QTest::newRow("a named pipe") << u"fifo"_s;
    QTest::newRow("a link to a named pipe") << u"link"_s;
}

// A named pipe in the help file's place would keep an open waiting for a writer for ever.
void TestHelpViewer::helpThatIsNoFileShowsTheNotice()
{
    QFETCH(QString, shape);
    ProgramFolder folder;
    const QString pipe = shape == u"fifo"_s ? folder.helpFile() : folder.path() + u"/pipe"_s;
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    if (shape == u"link"_s)
        QVERIFY(QFile::link(pipe, folder.helpFile()));
    frmHelp viewer(folder.path());
    QTRY_VERIFY(!viewer.isLoading());
    QCOMPARE(viewer.rtbHelp()->text(), frmHelp::missingFileText());
}

QTEST_MAIN(TestHelpViewer)
#include "testHelpViewer.moc"
