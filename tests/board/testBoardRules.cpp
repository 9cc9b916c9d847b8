#include "board/BoardNotice.h"
#include "support/BoardFixture.h"

#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace {

BoardNotice *notice(const BoardFixture &fixture, const QString &name)
{
    return fixture.board->findChild<BoardNotice *>(name);
}

// What the board shows of a notice: its text while it is visible, else nothing.
QString shown(const BoardFixture &fixture, const QString &name)
{
    const BoardNotice *label = notice(fixture, name);
    return label->isVisible() ? label->caption() : QString();
}

} // namespace

// The rules assistance on the board: the question that closes a won set, answered with Enter or Esc
// before any other use of those keys, the set and match point marker, the timeout's countdown in place
// of the game clock, and a whole match played with real key presses.
class TestBoardRules : public QObject
{
    Q_OBJECT

private slots:
    void enterConfirmsBeforeTheTypedEntry();
    void escapeAnswersNotYet();
    void markerFollowsTheRulesAndTheOption_data();
    void markerFollowsTheRulesAndTheOption();
    void timeoutCountdownInPlaceOfTheClock();
    void optionsDialogHandsTheMatchItsRules();
    void wholeMatchWithRealKeys();

private:
    void compareBoardWithMatch(const BoardFixture &fixture);
};

void TestBoardRules::enterConfirmsBeforeTheTypedEntry()
{
    BoardFixture fixture;
    fixture.settings.Mode = u"Indoor"_s;
    fixture.open();
    fixture.setCaption(u"nledHomeScore"_s, u"24"_s);
    fixture.setCaption(u"nledVisitorScore"_s, u"20"_s);
    QVERIFY(!notice(fixture, u"lblSetEndPrompt"_s)->isVisible());
    // Typed into the home score, then the +1 key wins the set.
    fixture.type(u"7");
    BoardFixture::press(Qt::Key_F5);
    QCOMPARE(shown(fixture, u"lblSetEndPrompt"_s), u"Set 1 to Home, 25–20?  Enter: confirm · Esc: not yet"_s);
    BoardFixture::press(Qt::Key_Return);
    QVERIFY(!notice(fixture, u"lblSetEndPrompt"_s)->isVisible());
    QCOMPARE(fixture.caption(u"nledSet1H"_s), u"25"_s);
    QCOMPARE(fixture.caption(u"nledSet1V"_s), u"20"_s);
    QCOMPARE(fixture.caption(u"nledHomeGamesWon"_s), u"1"_s);
    // The 7 typed before was not committed by that Enter; the next Enter does.
    QCOMPARE(fixture.caption(u"nledHomeScore"_s), u"0"_s);
    BoardFixture::press(Qt::Key_Return);
    QCOMPARE(fixture.caption(u"nledHomeScore"_s), u"7"_s);
    // Ctrl+Z takes the whole set end back after the typed 7.
    BoardFixture::press(Qt::Key_Z, Qt::ControlModifier);
    BoardFixture::press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fixture.caption(u"nledHomeScore"_s), u"25"_s);
    QCOMPARE(fixture.caption(u"nledSet1H"_s), u"-1"_s);
    QVERIFY(notice(fixture, u"lblSetEndPrompt"_s)->isVisible());
}

void TestBoardRules::escapeAnswersNotYet()
{
    BoardFixture fixture;
    fixture.settings.Mode = u"Beach"_s;
    fixture.settings.VisitorText = u"Hawks"_s;
    fixture.open();
    fixture.setCaption(u"nledVisitorScore"_s, u"21"_s);
    QCOMPARE(shown(fixture, u"lblSetEndPrompt"_s), u"Set 1 to Hawks, 21–0?  Enter: confirm · Esc: not yet"_s);
    fixture.focus(u"picSet1"_s);
    BoardFixture::press(Qt::Key_Escape);
    QVERIFY(!notice(fixture, u"lblSetEndPrompt"_s)->isVisible());
    QCOMPARE(fixture.match.state().visitorScore, 21);
    // Without the question, Enter is typed entry again: the set pair typed so far is written.
    fixture.type(u"3.4\r");
    QCOMPARE(fixture.caption(u"nledSet1H"_s), u"3"_s);
    QVERIFY(!notice(fixture, u"lblSetEndPrompt"_s)->isVisible());
}

void TestBoardRules::markerFollowsTheRulesAndTheOption_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("marker");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("visitor");
    QTest::newRow("indoor") << u"Indoor"_s << true << u"MATCH POINT"_s << u""_s;
    QTest::newRow("marker turned off") << u"Indoor"_s << false << u""_s << u""_s;
    QTest::newRow("rules off") << u"Off"_s << true << u""_s << u""_s;
}

void TestBoardRules::markerFollowsTheRulesAndTheOption()
{
    QFETCH(QString, mode);
    QFETCH(bool, marker);
    QFETCH(QString, home);
    QFETCH(QString, visitor);
    BoardFixture fixture;
    fixture.settings.Mode = mode;
    fixture.settings.BoardMarker = marker;
    fixture.open();
    fixture.setCaption(u"nledHomeGamesWon"_s, u"2"_s);
    fixture.setCaption(u"nledHomeScore"_s, u"24"_s);
    fixture.setCaption(u"nledVisitorScore"_s, u"23"_s);
    QCOMPARE(shown(fixture, u"lblHomeMarker"_s), home);
    QCOMPARE(shown(fixture, u"lblVisitorMarker"_s), visitor);
    QCOMPARE(notice(fixture, u"lblHomeMarker"_s)->foreColor(), fixture.settings.ScoreColor);
    // The marker keeps its place above the score whatever the window's size.
    const QRect score = fixture.find(u"nledHomeScore"_s)->geometry();
    const QRect above = notice(fixture, u"lblHomeMarker"_s)->geometry();
    QVERIFY(above.bottom() <= score.top() && above.left() == score.left() && above.width() == score.width());
}

void TestBoardRules::timeoutCountdownInPlaceOfTheClock()
{
    BoardFixture fixture;
    fixture.settings.Mode = u"Indoor"_s;
    fixture.settings.TimeoutOnBoard = true;
    fixture.open();
    auto *clock = fixture.find<TimePanel>(u"tledGame"_s);
    BoardFixture::press(Qt::Key_F8);
    QCOMPARE(clock->caption(), 30.0f);
    QCOMPARE(clock->fieldUnits(), u"1,.1"_s);
    fixture.clock.advanceMilliseconds(12'500);
    fixture.board->RefreshTime();
    QCOMPARE(clock->caption(), 17.5f);
    fixture.clock.advanceMilliseconds(17'500);
    fixture.board->RefreshTime();
    fixture.board->RefreshTime();
    QCOMPARE(clock->caption(), 600.0f);
    QCOMPARE(fixture.sound->plays(), 0);

    // Shown on the console only, the board keeps its game clock.
    fixture.settings.TimeoutOnBoard = false;
    BoardFixture::press(Qt::Key_F8);
    QVERIFY(fixture.match.timeoutCountdown());
    QCOMPARE(clock->caption(), 600.0f);
}

void TestBoardRules::optionsDialogHandsTheMatchItsRules()
{
    BoardFixture fixture;
    frmScoreboard &board = fixture.open();
    QVERIFY(!fixture.match.rules().isOn());
    board.setShowOptions([&fixture] {
        fixture.settings.Mode = u"Custom"_s;
        fixture.settings.SetsToWin = 1;
        fixture.settings.SetPoints = 11;
    });
    BoardFixture::press(Qt::Key_F2);
    QCOMPARE(fixture.match.rules(), RuleSet::custom(1, 11, fixture.settings.DecidingSetPoints, true));
}

void TestBoardRules::compareBoardWithMatch(const BoardFixture &fixture)
{
    const MatchState state = fixture.match.state();
    const auto n = [](qint16 value) { return QString::number(value); };
    QCOMPARE(fixture.caption(u"nledHomeScore"_s), n(state.homeScore));
    QCOMPARE(fixture.caption(u"nledVisitorScore"_s), n(state.visitorScore));
    QCOMPARE(fixture.caption(u"nledHomeGamesWon"_s), n(state.homeGamesWon));
    QCOMPARE(fixture.caption(u"nledVisitorGamesWon"_s), n(state.visitorGamesWon));
    for (int set = 0; set < MatchState::SetCount; ++set) {
        QCOMPARE(fixture.caption(u"nledSet%1H"_s.arg(set + 1)), n(state.sets[set].home));
        QCOMPARE(fixture.caption(u"nledSet%1V"_s.arg(set + 1)), n(state.sets[set].visitor));
    }
    QCOMPARE(fixture.board->WhoPoss(), state.WhoPoss);
    const std::optional<SetEnd> setEnd = fixture.match.pendingSetEnd();
    QCOMPARE(notice(fixture, u"lblSetEndPrompt"_s)->isVisible(), setEnd.has_value());
    const RulesAssessment assessment = fixture.match.assessment();
    QCOMPARE(shown(fixture, u"lblHomeMarker"_s), RulesOverlay::markerText(assessment, Side::Home));
    QCOMPARE(shown(fixture, u"lblVisitorMarker"_s), RulesOverlay::markerText(assessment, Side::Visitor));
}

// Random rallies with F5 and F6, the set ends answered with Enter (now and then Esc first, then the
// point taken back with Ctrl+Z), until the match is won; the board is compared with the match after
// every key.
void TestBoardRules::wholeMatchWithRealKeys()
{
    BoardFixture fixture;
    fixture.settings.Mode = u"Indoor"_s;
    fixture.settings.ServeFollowsPoint = true;
    fixture.open();
    QRandomGenerator random(20261216);
    int sets = 0;
    int keys = 0;
    while (!fixture.match.assessment().matchOver && ++keys < 1000) {
        if (fixture.match.pendingSetEnd() && random.bounded(5) == 0) {
            BoardFixture::press(Qt::Key_Escape);
            compareBoardWithMatch(fixture);
            BoardFixture::press(Qt::Key_Z, Qt::ControlModifier);
        } else if (fixture.match.pendingSetEnd()) {
            BoardFixture::press(Qt::Key_Return);
            ++sets;
        } else {
            BoardFixture::press(random.bounded(2) ? Qt::Key_F5 : Qt::Key_F6);
        }
        compareBoardWithMatch(fixture);
        if (QTest::currentTestFailed())
            return;
    }
    const MatchState end = fixture.match.state();
    QVERIFY(sets >= 3 && sets <= 5);
    QCOMPARE(std::max(end.homeGamesWon, end.visitorGamesWon), 3);
    const Side winner = end.homeGamesWon == 3 ? Side::Home : Side::Visitor;
    QCOMPARE(shown(fixture, winner == Side::Home ? u"lblHomeMarker"_s : u"lblVisitorMarker"_s), u"MATCH WON"_s);
}

QTEST_MAIN(TestBoardRules)
#include "testBoardRules.moc"
