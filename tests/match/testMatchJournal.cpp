#include "match/JournalFormat.h"
#include "match/MatchJournal.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

MatchState scored(qint16 home, qint16 visitor)
{
    MatchState state;
    state.homeScore = home;
    state.visitorScore = visitor;
    return state;
}

void write(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
}

} // namespace

// The crash journal on real files: what a run that ended normally, was killed, or left a damaged file
// behind gives back at the next start.
class TestMatchJournal : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void stateSurvivesItsBinaryForm();
    void earlierLayoutIsStillRead();
    void killedRunGivesItsLastState();
    void normalEndLeavesNothingToResume();
    void freshBoardIsNothingToResume();
    void damagedTailIsCutAtTheLastGoodRecord();
    void damageIsNeverMistakenForARecord_data();
    void damageIsNeverMistakenForARecord();
    void unfinishedFreshStartWins();
    void longMatchStaysSmall();
    void unwritableFolderIsReported();

private:
    QString path() const { return m_folder->filePath(u"state/match.journal"_s); }
    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestMatchJournal::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
}

void TestMatchJournal::stateSurvivesItsBinaryForm()
{
    MatchState state = scored(18, 21);
    state.sets[2] = {25, -1};
    state.WhoPoss = 2;
    state.Running = true;
    state.Seconds = Currency::fromTicks(2'519'999);
    state.ClockTime = true;
    state.ClockPreset = Currency::fromInteger(900);
    state.fifthSet = {15, 13};
    state.homeTimeouts = 2;
    state.visitorTimeouts = 1;
    QCOMPARE(MatchState::fromBytes(state.toBytes()), state);
    QByteArray wrongLayout = state.toBytes();
    wrongLayout[0] = 9;
    QVERIFY(!MatchState::fromBytes(wrongLayout));
    QVERIFY(!MatchState::fromBytes(state.toBytes().chopped(1)));
    QVERIFY(!MatchState::fromBytes(state.toBytes() + 'x'));
}

// A journal written before the rules assistance holds the first layout, without the fifth set and the
// timeouts; it is still resumed.
void TestMatchJournal::earlierLayoutIsStillRead()
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << quint8(1) << qint16(18) << qint16(21) << qint16(1) << qint16(0);
    for (int set = 0; set < MatchState::SetCount; ++set)
        out << qint16(set == 0 ? 25 : -1) << qint16(set == 0 ? 20 : -1);
    out << qint16(2) << false << Currency::fromInteger(252).ticks() << false << Currency::fromInteger(600).ticks();
    MatchState expected = scored(18, 21);
    expected.homeGamesWon = 1;
    expected.sets[0] = {25, 20};
    expected.WhoPoss = 2;
    expected.Seconds = Currency::fromInteger(252);
    QCOMPARE(MatchState::fromBytes(bytes), expected);
    QVERIFY(!MatchState::fromBytes(bytes + QByteArray(8, '\0')));
}

void TestMatchJournal::killedRunGivesItsLastState()
{
    {
        MatchJournal journal(path());
        QVERIFY(journal.begin(MatchState::fresh()));
        journal.append(scored(1, 0));
        journal.append(scored(2, 0));
        journal.waitUntilSynced();
        // Gone without finish(), as a killed program goes.
    }
    const MatchJournal::Recovery recovery = MatchJournal::recover(path());
    QVERIFY(!recovery.unreadable);
    QCOMPARE(recovery.interrupted, scored(2, 0));
    QVERIFY(!QFile::exists(path() + u".new"_s));
}

void TestMatchJournal::normalEndLeavesNothingToResume()
{
    MatchJournal journal(path());
    QVERIFY(journal.begin(scored(3, 3)));
    journal.append(scored(4, 3));
    journal.finish();
    const MatchJournal::Recovery recovery = MatchJournal::recover(path());
    QVERIFY(!recovery.interrupted);
    QVERIFY(!recovery.unreadable);
}

void TestMatchJournal::freshBoardIsNothingToResume()
{
    MatchJournal journal(path());
    MatchState timeOfDay;
    timeOfDay.ClockTime = true;
    QVERIFY(journal.begin(timeOfDay));
    journal.waitUntilSynced();
    QVERIFY(!MatchJournal::recover(path()).interrupted);
    QVERIFY(!MatchJournal::recover(m_folder->filePath(u"none"_s)).unreadable);
}

// Every length a crash can leave of the last record gives the record before it.
void TestMatchJournal::damagedTailIsCutAtTheLastGoodRecord()
{
    const QByteArray good
        = JournalFormat::header() + JournalFormat::record(JournalFormat::Kind::State, scored(5, 4).toBytes());
    const QByteArray last = JournalFormat::record(JournalFormat::Kind::State, scored(6, 4).toBytes());
    QDir().mkpath(QFileInfo(path()).absolutePath());
    for (qsizetype kept = 0; kept < last.size(); ++kept) {
        write(path(), good + last.left(kept));
        QCOMPARE(MatchJournal::recover(path()).interrupted, scored(5, 4));
    }
    write(path(), good + last);
    QCOMPARE(MatchJournal::recover(path()).interrupted, scored(6, 4));
}

void TestMatchJournal::damageIsNeverMistakenForARecord_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("unreadable");
    const QByteArray record = JournalFormat::record(JournalFormat::Kind::State, scored(7, 7).toBytes());
    QByteArray flipped = JournalFormat::header() + record;
    flipped[flipped.size() - 3] = char(flipped[flipped.size() - 3] ^ 0x10);
    QByteArray hugeLength = JournalFormat::header() + record;
    hugeLength[JournalFormat::header().size() + 3] = char(0x7f);
    QTest::newRow("a flipped bit") << flipped << true;
    QTest::newRow("a length beyond any record") << hugeLength << true;
    QTest::newRow("someone else's file") << QByteArray("[ColorSettings]\nTimeColor=255\n") << true;
    QTest::newRow("an empty file") << QByteArray() << true;
    QTest::newRow("the header alone") << JournalFormat::header() << true;
    QTest::newRow("an unknown record kind")
        << JournalFormat::header() + JournalFormat::record(JournalFormat::Kind(9), "x") << true;
}

void TestMatchJournal::damageIsNeverMistakenForARecord()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, unreadable);
    QDir().mkpath(QFileInfo(path()).absolutePath());
    write(path(), contents);
    const MatchJournal::Recovery recovery = MatchJournal::recover(path());
    QVERIFY(!recovery.interrupted);
    QCOMPARE(recovery.unreadable, unreadable);
}

// A fresh start writes its first record beside the old journal; killed before that file replaced the
// old one, the new file still holds the newer match.
void TestMatchJournal::unfinishedFreshStartWins()
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    write(path(), JournalFormat::header() + JournalFormat::record(JournalFormat::Kind::State, scored(1, 1).toBytes()));
    write(path() + u".new"_s,
          JournalFormat::header() + JournalFormat::record(JournalFormat::Kind::State, scored(9, 9).toBytes()));
    QCOMPARE(MatchJournal::recover(path()).interrupted, scored(9, 9));
    // Cut short before its first record, it is passed over.
    write(path() + u".new"_s, JournalFormat::header().left(5));
    QCOMPARE(MatchJournal::recover(path()).interrupted, scored(1, 1));
}

// Three hours of a running clock recorded once a second, and a score every half minute.
void TestMatchJournal::longMatchStaysSmall()
{
    MatchJournal journal(path());
    QVERIFY(journal.begin(MatchState::fresh()));
    MatchState state;
    for (int second = 1; second <= 3 * 3600; ++second) {
        state.Seconds = Currency::fromInteger(3 * 3600 - second);
        if (second % 30 == 0)
            state.homeScore = qint16((state.homeScore + 1) % 99);
        journal.append(state);
        // Seconds apart on the field, the disk keeps up; here it is given the time now and then.
        if (second % 60 == 0)
            journal.waitUntilSynced();
    }
    journal.waitUntilSynced();
    QVERIFY2(QFileInfo(path()).size() < 200 * 1024, qPrintable(QString::number(QFileInfo(path()).size())));
    QCOMPARE(MatchJournal::recover(path()).interrupted, state);
}

void TestMatchJournal::unwritableFolderIsReported()
{
    const QString blocked = m_folder->filePath(u"file"_s);
    write(blocked, "not a folder");
    MatchJournal journal(blocked + u"/match.journal"_s);
    QVERIFY(!journal.begin(MatchState::fresh()));
    QVERIFY(!journal.errorString().isEmpty());
    // Without a file the journal takes changes and does nothing with them.
    journal.append(scored(1, 0));
    journal.finish();
}

QTEST_GUILESS_MAIN(TestMatchJournal)
#include "testMatchJournal.moc"
