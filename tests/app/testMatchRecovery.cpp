#include "support/ProgramFixture.h"
#include "widgets/NumberPanel.h"

#include <QDir>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

// The program around a match that must not be lost: the question after a run that ended abnormally,
// the question before a match is ended by closing the board, and a damaged journal.
class TestMatchRecovery : public QObject
{
    Q_OBJECT

private slots:
    void interruptedMatchIsOffered_data();
    void interruptedMatchIsOffered();
    void closingAMatchAsksFirst();
    void closingAFreshBoardAsksNothing();
    void damagedJournalGivesOneWarningAndAFreshBoard();

private:
    static void leaveInterruptedMatch(const ProgramFixture &fixture, const MatchState &state);
    static QString homeScore(const ProgramFixture &fixture)
    {
        return fixture.program->board()->findChild<NumberPanel *>(u"nledHomeScore"_s)->caption();
    }
};

void TestMatchRecovery::leaveInterruptedMatch(const ProgramFixture &fixture, const MatchState &state)
{
    MatchJournal journal(fixture.journalFile());
    QVERIFY(journal.begin(state));
    journal.waitUntilSynced();
}

void TestMatchRecovery::interruptedMatchIsOffered_data()
{
    QTest::addColumn<bool>("resume");
    QTest::addColumn<QString>("shownScore");
    QTest::newRow("Resume") << true << u"18"_s;
    QTest::newRow("New match") << false << u"0"_s;
}

void TestMatchRecovery::interruptedMatchIsOffered()
{
    QFETCH(bool, resume);
    QFETCH(QString, shownScore);
    ProgramFixture fixture;
    MatchState interrupted;
    interrupted.homeScore = 18;
    interrupted.Running = true;
    leaveInterruptedMatch(fixture, interrupted);
    fixture.start();
    QVERIFY(fixture.prompts.questions.isEmpty());
    fixture.prompts.choices = {resume};
    fixture.clickSplash();
    QCOMPARE(fixture.prompts.questions,
             QStringList {u"Vantaro: Vantaro did not close normally. Resume the interrupted match?"_s});
    QCOMPARE(homeScore(fixture), shownScore);
    QVERIFY(!fixture.program->match().state().Running);
    // The new run's journal holds what the board shows.
    fixture.program->match().clickHomeArrow();
    const MatchJournal::Recovery recovery = MatchJournal::recover(fixture.journalFile());
    QCOMPARE(recovery.interrupted, fixture.program->match().state());
}

void TestMatchRecovery::closingAMatchAsksFirst()
{
    ProgramFixture fixture;
    fixture.start();
    fixture.clickSplash();
    frmScoreboard *board = fixture.program->board();
    fixture.program->match().clickVisitorArrow();
    fixture.prompts.choices = {false};
    board->close();
    QCOMPARE(fixture.prompts.questions, QStringList {u"Vantaro: End the match and close Vantaro?"_s});
    QVERIFY(board->isVisible());
    QSignalSpy finished(fixture.program.get(), &Program::finished);
    board->close();
    QCOMPARE(finished.count(), 1);
    QVERIFY(!MatchJournal::recover(fixture.journalFile()).interrupted);
}

void TestMatchRecovery::closingAFreshBoardAsksNothing()
{
    ProgramFixture fixture;
    fixture.start();
    fixture.clickSplash();
    QSignalSpy finished(fixture.program.get(), &Program::finished);
    fixture.program->board()->close();
    QCOMPARE(finished.count(), 1);
    QVERIFY(fixture.prompts.questions.isEmpty());
}

void TestMatchRecovery::damagedJournalGivesOneWarningAndAFreshBoard()
{
    ProgramFixture fixture;
    QDir().mkpath(QFileInfo(fixture.journalFile()).absolutePath());
    QFile damaged(fixture.journalFile());
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("VANTARO-JOURNAL-1\n\xff\xff\xff\x7f garbage");
    damaged.close();
    fixture.start();
    fixture.clickSplash();
    QCOMPARE(fixture.prompts.warnings.size(), 1);
    QVERIFY(fixture.prompts.warnings.first().contains(u"cannot be read"_s));
    QVERIFY(fixture.prompts.questions.isEmpty());
    QCOMPARE(homeScore(fixture), u"0"_s);
}

QTEST_MAIN(TestMatchRecovery)
#include "testMatchRecovery.moc"
