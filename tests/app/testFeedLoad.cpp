#include "support/FeedLoad.h"

using namespace Qt::StringLiterals;

// The feed under load for a few seconds, in short for the test suite (scripts/bench runs it for a
// minute): 50 WebSocket clients and 200 requests a second while keys are pressed on the board. No client
// misses a score, every request is answered, and a key press still reaches the repainted field in well
// under 5 ms (median).
class TestFeedLoad : public QObject
{
    Q_OBJECT

private slots:
    void fiftyClientsAndTwoHundredRequestsASecond();
};

void TestFeedLoad::fiftyClientsAndTwoHundredRequestsASecond()
{
    FeedProgram feed;
    QVERIFY(feed.openBoard());
    const FeedLoadRun::Result result = FeedLoadRun::run(feed, 3);
    QCOMPARE(result.clients, 50);
    QVERIFY(result.presses >= 20);
    QCOMPARE(result.keyToRepaintMilliseconds.size(), result.presses);
    QCOMPARE(result.clientsWithLostUpdates, 0);
    QCOMPARE(result.requestsFailed, 0);
    // At 200 a second for three seconds, less what the last second's stop cuts off.
    QVERIFY2(result.requestsAnswered >= 400, qPrintable(QString::number(result.requestsAnswered)));
    const double median = result.medianKeyToRepaint();
    qInfo(
        "%d presses, key to repainted field: median %.2f ms; %d requests answered; resident memory %lld kB to %lld kB",
        result.presses, median, result.requestsAnswered, result.residentKilobytesAtStart,
        result.residentKilobytesAtEnd);
    QVERIFY2(median < 5, qPrintable(u"%1 ms"_s.arg(median)));
}

QTEST_MAIN(TestFeedLoad)
#include "testFeedLoad.moc"
