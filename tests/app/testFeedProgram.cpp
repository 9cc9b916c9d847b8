#include "support/FeedProgram.h"
#include "support/XKeyboard.h"

#include <QSignalSpy>

using namespace Qt::StringLiterals;

// The live feed in the running program: real key presses on the board show in /state.json as the board
// shows them, the remote's commands reach the board, the options move the feed, and a port that is
// taken gives one warning while the board goes on.
class TestFeedProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void stateIsWhatTheBoardShows();
    void remoteCommandsChangeTheBoard();
    void optionsMoveAndStopTheFeed();
    void portInUseWarnsOnceAndTheBoardGoesOn();
};

void TestFeedProgram::initTestCase()
{
    if (const QString missing = XKeyboard::missing(); !missing.isEmpty())
        QSKIP(qPrintable(missing));
}

void TestFeedProgram::stateIsWhatTheBoardShows()
{
    FeedProgram feed("TextFolder=\n");
    QVERIFY(feed.openBoard());
    QCOMPARE(feed.program().feed()->status(), LiveFeed::Status::Running);
    QCOMPARE(feed.program().feed()->addresses(), QStringList {feed.url({})});
    QCOMPARE(FeedProgram::boardFields(feed.get(u"/state.json"_s).json()), feed.shown());

    // F5 three times, F6 once; then Tab to the possession box and Left: home serves.
    for (int i = 0; i < 3; ++i)
        XKeyboard::press(XKeyboard::F5);
    XKeyboard::press(XKeyboard::F6);
    for (int i = 0; i < 3; ++i)
        XKeyboard::press(XKeyboard::Tab);
    XKeyboard::press(XKeyboard::Left);
    QTRY_COMPARE(feed.shown().value(u"possession"_s).toString(), u"home"_s);
    const FeedProgram::Reply reply = feed.get(u"/state.json"_s);
    QCOMPARE(reply.status, 200);
    const QJsonObject state = reply.json();
    QCOMPARE(FeedProgram::boardFields(state), feed.shown());
    QCOMPARE(state.value(u"home"_s).toObject().value(u"score"_s).toInt(), 3);
    QCOMPARE(state.value(u"version"_s).toInteger(), qint64(feed.program().match().version()));
}

void TestFeedProgram::remoteCommandsChangeTheBoard()
{
    FeedProgram feed;
    QVERIFY(feed.openBoard());
    QCOMPARE(feed.command(u"visitorPlus"_s).status, 200);
    QCOMPARE(feed.command(u"possessionVisitor"_s).status, 200);
    const FeedProgram::Reply reply = feed.command(u"visitorPlus"_s);
    QCOMPARE(reply.status, 200);
    QTRY_COMPARE(feed.element<NumberPanel>(u"nledVisitorScore"_s)->caption(), u"2"_s);
    QCOMPARE(FeedProgram::boardFields(reply.json()), feed.shown());
    QCOMPARE(feed.command(u"visitorPlus"_s, u"000000"_s).status, 403);
    QCOMPARE(feed.element<NumberPanel>(u"nledVisitorScore"_s)->caption(), u"2"_s);
    // The buzzer command asks for the buzzer as the board's key does.
    QSignalSpy buzzer(&feed.program().match(), &Match::buzzerRequested);
    QCOMPARE(feed.command(u"buzzer"_s).status, 200);
    QCOMPARE(buzzer.size(), 1);
}

void TestFeedProgram::optionsMoveAndStopTheFeed()
{
    FeedProgram feed;
    const quint16 moved = feed.port() + 1;
    feed.fixture.options = [moved](Settings &settings) {
        settings.Feed.Port = moved;
        settings.TitleText = u"Final"_s;
    };
    QVERIFY(feed.openBoard());
    XKeyboard::press(XKeyboard::F2);
    QTRY_COMPARE(feed.program().feed()->port(), moved);
    QNetworkAccessManager http;
    QNetworkReply *reply = http.get(QNetworkRequest(QUrl(u"http://127.0.0.1:%1/state.json"_s.arg(moved))));
    QTRY_VERIFY(reply->isFinished());
    QCOMPARE(QJsonDocument::fromJson(reply->readAll()).object().value(u"title"_s).toString(), u"Final"_s);
    delete reply;
    feed.fixture.options = [](Settings &settings) { settings.Feed.Enabled = false; };
    XKeyboard::press(XKeyboard::F2);
    QTRY_COMPARE(feed.program().feed()->status(), LiveFeed::Status::Off);
    QVERIFY(feed.program().feed()->addresses().isEmpty());
}

void TestFeedProgram::portInUseWarnsOnceAndTheBoardGoesOn()
{
    FeedProgram feed;
    QTcpServer squatter;
    QVERIFY(squatter.listen(QHostAddress::LocalHost, feed.port()));
    QVERIFY(feed.openBoard());
    QTRY_COMPARE(feed.fixture.prompts.warnings.size(), 1);
    const QString warning = feed.fixture.prompts.warnings.first();
    QVERIFY2(warning.contains(QString::number(feed.port())) && warning.contains(u"goes on without the feed"_s),
             qPrintable(warning));
    QCOMPARE(feed.program().feed()->status(), LiveFeed::Status::Failed);
    QCOMPARE(feed.program().feed()->problem(), warning.mid(warning.indexOf(u": "_s) + 2));
    XKeyboard::press(XKeyboard::F5);
    QTRY_COMPARE(feed.element<NumberPanel>(u"nledHomeScore"_s)->caption(), u"1"_s);
    QTest::qWait(200);
    QCOMPARE(feed.fixture.prompts.warnings.size(), 1);
}

QTEST_MAIN(TestFeedProgram)
#include "testFeedProgram.moc"
