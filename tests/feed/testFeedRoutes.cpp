#include "feed/FeedRoutes.h"
#include "feed/RemoteControl.h"
#include "match/Match.h"
#include "support/ManualClock.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

HttpRequest request(const QByteArray &method, const QByteArray &path, const QByteArray &body = {},
                    const QByteArray &contentType = "application/json")
{
    HttpRequest request;
    request.method = method;
    request.path = path;
    request.body = body;
    request.headers = {{"host", "127.0.0.1"}, {"content-type", contentType}};
    return request;
}

QByteArray header(const HttpResponse &response, const QByteArray &name)
{
    for (const auto &[field, value] : response.headers) {
        if (field == name)
            return value;
    }
    return {};
}

} // namespace

// What the feed answers to each address and method, apart from any socket.
class TestFeedRoutes : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void statusOfEachRequest_data();
    void statusOfEachRequest();
    void stateIsNeverCachedAndOpenToOtherSites();
    void everyPageIsShipped_data();
    void everyPageIsShipped();
    void commandAnswersWithTheNewState();
    void lockOutSaysWhenToRetry();

private:
    ManualClock m_clock;
    std::unique_ptr<Match> m_match;
    std::unique_ptr<RemoteControl> m_remote;
    std::unique_ptr<FeedRoutes> m_routes;
};

void TestFeedRoutes::init()
{
    m_match = std::make_unique<Match>(m_clock);
    m_remote = std::make_unique<RemoteControl>(*m_match, m_clock);
    m_remote->setPin(u"123456"_s);
    m_routes = std::make_unique<FeedRoutes>(
        [this] { return QByteArray("{\"home\":{\"score\":") + QByteArray::number(m_match->state().homeScore) + "}}"; },
        *m_remote);
}

void TestFeedRoutes::statusOfEachRequest_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<int>("status");

    const QByteArray command = R"({"pin": "123456", "command": "homePlus"})";
    QTest::newRow("GET state") << QByteArray("GET") << QByteArray("/state.json") << QByteArray() << QByteArray() << 200;
    QTest::newRow("HEAD state") << QByteArray("HEAD") << QByteArray("/state.json") << QByteArray() << QByteArray()
                                << 200;
    QTest::newRow("POST state") << QByteArray("POST") << QByteArray("/state.json") << command
                                << QByteArray("application/json") << 405;
    QTest::newRow("GET command") << QByteArray("GET") << QByteArray("/command") << QByteArray() << QByteArray() << 405;
    QTest::newRow("PUT page") << QByteArray("PUT") << QByteArray("/board") << QByteArray() << QByteArray() << 405;
    QTest::newRow("unknown path") << QByteArray("GET") << QByteArray("/settings") << QByteArray() << QByteArray()
                                  << 404;
    QTest::newRow("path outside the table")
        << QByteArray("GET") << QByteArray("/../../etc/passwd") << QByteArray() << QByteArray() << 404;
    QTest::newRow("feed without upgrade")
        << QByteArray("GET") << QByteArray("/feed") << QByteArray() << QByteArray() << 426;
    QTest::newRow("command as a form") << QByteArray("POST") << QByteArray("/command") << command
                                       << QByteArray("application/x-www-form-urlencoded") << 415;
    QTest::newRow("command as text/plain")
        << QByteArray("POST") << QByteArray("/command") << command << QByteArray("text/plain") << 415;
    QTest::newRow("command with charset") << QByteArray("POST") << QByteArray("/command") << command
                                          << QByteArray("Application/JSON; charset=utf-8") << 200;
    QTest::newRow("command malformed") << QByteArray("POST") << QByteArray("/command") << QByteArray("{")
                                       << QByteArray("application/json") << 400;
    QTest::newRow("command unknown") << QByteArray("POST") << QByteArray("/command")
                                     << QByteArray(R"({"pin": "123456", "command": "set"})")
                                     << QByteArray("application/json") << 400;
    QTest::newRow("command with a wrong PIN")
        << QByteArray("POST") << QByteArray("/command") << QByteArray(R"({"pin": "1", "command": "homePlus"})")
        << QByteArray("application/json") << 403;
}

void TestFeedRoutes::statusOfEachRequest()
{
    QFETCH(QByteArray, method);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, contentType);
    QFETCH(int, status);
    const HttpResponse response = m_routes->respond(request(method, path, body, contentType));
    QCOMPARE(response.status, status);
    if (status >= 400) {
        QVERIFY(!QJsonDocument::fromJson(response.body).object().value(u"error"_s).toString().isEmpty());
        QCOMPARE(m_match->state().homeScore, 0);
    }
    if (status == 405)
        QVERIFY(!header(response, "Allow").isEmpty());
}

void TestFeedRoutes::stateIsNeverCachedAndOpenToOtherSites()
{
    const HttpResponse response = m_routes->respond(request("GET", "/state.json"));
    QCOMPARE(response.contentType, QByteArray("application/json"));
    QCOMPARE(header(response, "Cache-Control"), QByteArray("no-store"));
    QCOMPARE(header(response, "Access-Control-Allow-Origin"), QByteArray("*"));
    const QByteArray head = response.serialize(true, true);
    QVERIFY(head.contains("Content-Length: " + QByteArray::number(response.body.size()) + "\r\n"));
    QVERIFY(head.endsWith("\r\n\r\n"));
}

void TestFeedRoutes::everyPageIsShipped_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("type");
    for (const char *page : {"/", "/overlay", "/board", "/remote"})
        QTest::newRow(page) << QByteArray(page) << QByteArray("text/html; charset=utf-8");
    for (const char *script : {"/feed.js", "/led.js", "/overlay.js", "/board.js", "/remote.js"})
        QTest::newRow(script) << QByteArray(script) << QByteArray("text/javascript; charset=utf-8");
    QTest::newRow("/feed.css") << QByteArray("/feed.css") << QByteArray("text/css; charset=utf-8");
}

void TestFeedRoutes::everyPageIsShipped()
{
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, type);
    const HttpResponse response = m_routes->respond(request("GET", path));
    QCOMPARE(response.status, 200);
    QCOMPARE(response.contentType, type);
    QVERIFY(response.body.size() > 100);
    // Nothing of a page comes from anywhere but this server.
    QVERIFY(!response.body.contains("http://"));
    QVERIFY(!response.body.contains("https://"));
}

void TestFeedRoutes::commandAnswersWithTheNewState()
{
    const HttpResponse response
        = m_routes->respond(request("POST", "/command", R"({"pin": "123456", "command": "homePlus"})"));
    QCOMPARE(response.status, 200);
    QCOMPARE(response.body, QByteArray("{\"home\":{\"score\":1}}"));
    QVERIFY(header(response, "Access-Control-Allow-Origin").isEmpty());
}

void TestFeedRoutes::lockOutSaysWhenToRetry()
{
    HttpResponse response;
    for (int attempt = 0; attempt < RemoteControl::AllowedWrongPins; ++attempt)
        response = m_routes->respond(request("POST", "/command", R"({"pin": "000000", "command": "homePlus"})"));
    QCOMPARE(response.status, 429);
    QCOMPARE(header(response, "Retry-After"), QByteArray("60"));
}

QTEST_GUILESS_MAIN(TestFeedRoutes)
#include "testFeedRoutes.moc"
