#include "board/BoardLabels.h"
#include "match/GameTimer.h"
#include "support/BoardFixture.h"
#include "widgets/Label.h"
#include "widgets/Shape.h"

#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

QMap<QString, QRect> placesOf(const frmScoreboard &board)
{
    QMap<QString, QRect> places;
    for (const QObject *element : board.elements()) {
        // The highlight follows the focus, not the layout.
        const auto *widget = qobject_cast<const QWidget *>(element);
        if (widget && widget->objectName() != u"shpObjectSelected"_s)
            places.insert(widget->objectName(), widget->geometry());
    }
    return places;
}

// Every element within one pixel of where it was, edge by edge.
void compareWithinOnePixel(const QMap<QString, QRect> &actual, const QMap<QString, QRect> &expected)
{
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const QRect now = actual.value(it.key());
        const QRect then = it.value();
        const int drift = std::max({qAbs(now.left() - then.left()), qAbs(now.top() - then.top()),
                                    qAbs(now.right() - then.right()), qAbs(now.bottom() - then.bottom())});
        QVERIFY2(drift <= 1, qPrintable(u"%1 moved by %2 pixels"_s.arg(it.key()).arg(drift)));
    }
}

} // namespace

class TestBoardLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void loadsIntoItsInitialState();
    void maximizedBoardFillsTheScreen();
    void restoringGivesTheDesignLayoutBack();
    void resizeHidesTheHighlightUntilTheNextFocus();
    void resizeRescalesTheTeamNames();
    void optionsDialogRecordsTheStretchedLayout();
    void scalesFromSmallToUltraHighDefinition_data();
    void scalesFromSmallToUltraHighDefinition();
    void closingEndsTheProgram();
};

void TestBoardLifecycle::loadsIntoItsInitialState()
{
    BoardFixture fixture;
    fixture.open();
    QCOMPARE(fixture.board->WhoPoss(), 0);
    QCOMPARE(fixture.find<Label>(u"lblPossH"_s)->foreColor(), fixture.settings.LEDBack);
    QCOMPARE(fixture.find<Label>(u"lblPossV"_s)->foreColor(), fixture.settings.LEDBack);
    for (int set = 1; set <= 4; ++set) {
        QCOMPARE(fixture.caption(u"nledSet%1H"_s.arg(set)), u"-1"_s);
        QCOMPARE(fixture.caption(u"nledSet%1V"_s.arg(set)), u"-1"_s);
    }
    QCOMPARE(fixture.caption(u"nledHomeScore"_s), u"0"_s);
    auto *clock = fixture.find<TimePanel>(u"tledGame"_s);
    QCOMPARE(clock->caption(), 600.0f);
    QCOMPARE(clock->fieldUnits(), u"60,1"_s);
    QVERIFY(!fixture.find<GameTimer>(u"tkGame"_s)->running());
    QVERIFY(!fixture.board->ClockTime());
    QVERIFY(!fixture.board->BuzzerPlaying());
    // The highlight surrounds the home score, which has the focus.
    QCOMPARE(QApplication::focusWidget()->objectName(), u"nledHomeScore"_s);
    auto *highlight = fixture.find<Shape>(u"shpObjectSelected"_s);
    QTRY_VERIFY(highlight->isVisible());
    QVERIFY(highlight->geometry().contains(fixture.find(u"nledHomeScore"_s)->geometry()));
}

void TestBoardLifecycle::maximizedBoardFillsTheScreen()
{
    BoardFixture fixture;
    frmScoreboard &board = fixture.open();
    // The big frame keeps its place relative to the window: from near the left edge to near the right.
    auto *frame = fixture.find<Shape>(u"Shape3"_s);
    QVERIFY(frame->geometry().width() > board.width() * 9 / 10);
    QVERIFY(frame->geometry().bottom() < board.height());
    auto *clock = fixture.find(u"tledGame"_s);
    QCOMPARE(qRound(clock->geometry().width() / double(board.width()) * 100), qRound(3825 / 9480.0 * 100));
}

void TestBoardLifecycle::restoringGivesTheDesignLayoutBack()
{
    BoardFixture fixture;
    Match designMatch;
    frmScoreboard design(BoardDesign::window(), fixture.settings, designMatch, fixture.services());
    const QMap<QString, QRect> designPlaces = placesOf(design);
    frmScoreboard &board = fixture.open();
    board.showNormal();
    QTRY_COMPARE(board.size(), QSize(632, 453));
    compareWithinOnePixel(placesOf(board), designPlaces);
}

void TestBoardLifecycle::resizeHidesTheHighlightUntilTheNextFocus()
{
    BoardFixture fixture;
    frmScoreboard &board = fixture.open();
    auto *highlight = fixture.find<Shape>(u"shpObjectSelected"_s);
    QTest::qWait(1600); // past the opening
    fixture.focus(u"tledGame"_s);
    QVERIFY(highlight->isVisible());
    board.showNormal();
    QTRY_COMPARE(board.size(), QSize(632, 453));
    QVERIFY(!highlight->isVisible());
    fixture.focus(u"nledVisitorScore"_s);
    QVERIFY(highlight->isVisible());
}

void TestBoardLifecycle::resizeRescalesTheTeamNames()
{
    BoardFixture fixture;
    frmScoreboard &board = fixture.open();
    auto *home = fixture.find<Label>(u"lblHomeTeam"_s);
    const double maximized = home->fontSize();
    board.showNormal();
    QTRY_COMPARE(board.size(), QSize(632, 453));
    QVERIFY(home->fontSize() < maximized);
    QCOMPARE(home->fontSize(), double(float(BoardLabels::RSize(24, 632 * 15.0, 453 * 15.0))));
}

void TestBoardLifecycle::optionsDialogRecordsTheStretchedLayout()
{
    BoardFixture fixture;
    frmScoreboard &board = fixture.open();
    board.setShowOptions([] {});
    const QMap<QString, QRect> maximized = placesOf(board);
    BoardFixture::press(Qt::Key_F2);
    // Recorded again at the stretched size: restoring and maximizing again leaves everything in place.
    board.showNormal();
    QTRY_COMPARE(board.size(), QSize(632, 453));
    board.showMaximized();
    QTRY_VERIFY(board.width() > 632);
    compareWithinOnePixel(placesOf(board), maximized);
}

void TestBoardLifecycle::scalesFromSmallToUltraHighDefinition_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("640x480") << QSize(640, 480);
    QTest::newRow("1280x720") << QSize(1280, 720);
    QTest::newRow("3840x2160") << QSize(3840, 2160);
}

void TestBoardLifecycle::scalesFromSmallToUltraHighDefinition()
{
    QFETCH(QSize, size);
    BoardFixture fixture;
    frmScoreboard &board = fixture.open();
    board.showNormal();
    QTRY_COMPARE(board.size(), QSize(632, 453));
    board.resize(size);
    QTRY_COMPARE(board.size(), size);
    // Re-recording at this size after the options dialog must work at any size, 4K included.
    board.setShowOptions([] {});
    BoardFixture::press(Qt::Key_F2);
    const double ratioX = size.width() / 632.0;
    const double ratioY = size.height() / 453.0;
    for (const QString &name : {u"nledHomeScore"_s, u"tledGame"_s, u"picSet4"_s, u"lblTitle"_s}) {
        const QRect place = fixture.find(name)->geometry();
        QVERIFY2(QRect(QPoint(), size).contains(place), qPrintable(name));
    }
    const QRect clock = fixture.find(u"tledGame"_s)->geometry();
    QVERIFY(qAbs(clock.left() - 2835 / 15.0 * ratioX) <= 1);
    QVERIFY(qAbs(clock.height() - 1350 / 15.0 * ratioY) <= 1);
    board.resize(632, 453);
    QTRY_COMPARE(board.size(), QSize(632, 453));
    QVERIFY(qAbs(fixture.find(u"tledGame"_s)->geometry().left() - 189) <= 1);
}

void TestBoardLifecycle::closingEndsTheProgram()
{
    BoardFixture fixture;
    frmScoreboard &board = fixture.open();
    QSignalSpy unloaded(&board, &frmScoreboard::unloaded);
    board.close();
    QCOMPARE(unloaded.size(), 1);
}

QTEST_MAIN(TestBoardLifecycle)
#include "testBoardLifecycle.moc"
