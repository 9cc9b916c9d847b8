#include "feed/HttpRequestParser.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using State = HttpRequestParser::State;

QByteArray repeated(const QByteArray &part, int times)
{
    QByteArray all;
    for (int i = 0; i < times; ++i)
        all += part;
    return all;
}

} // namespace

// The feed server's reading of requests: what it takes, what it waits for, and what it refuses with
// which status, so that no request can make it hold more than a few kilobytes.
class TestHttpRequestParser : public QObject
{
    Q_OBJECT

private slots:
    void takesRequests_data();
    void takesRequests();
    void waitsForTheRest_data();
    void waitsForTheRest();
    void refuses_data();
    void refuses();
    void everyPrefixOfAGoodRequestWaits();
};

void TestHttpRequestParser::takesRequests_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("keepAlive");
    QTest::addColumn<qsizetype>("consumed");

    const QByteArray get = "GET /state.json?x=1 HTTP/1.1\r\nHost: a\r\n\r\n";
    QTest::newRow("GET with a query") << get << QByteArray("GET") << QByteArray("/state.json") << QByteArray() << true
                                      << get.size();
    QTest::newRow("second request left for later")
        << get + "GET /board HTTP/1.1\r\nHost: a\r\n\r\n"
        << QByteArray("GET") << QByteArray("/state.json") << QByteArray() << true << get.size();
    const QByteArray post
        = "POST /command HTTP/1.1\r\nHost: a\r\nContent-Type: application/json\r\nContent-Length: 5\r\n\r\n{\"a\"}";
    QTest::newRow("POST with a body") << post << QByteArray("POST") << QByteArray("/command") << QByteArray("{\"a\"}")
                                      << true << post.size();
    const QByteArray bare = "GET / HTTP/1.0\n\n";
    QTest::newRow("HTTP/1.0 with bare LF, no Host")
        << bare << QByteArray("GET") << QByteArray("/") << QByteArray() << false << bare.size();
    const QByteArray close = "\r\nHEAD /board HTTP/1.1\r\nhost: a\r\nConnection: Close\r\n\r\n";
    QTest::newRow("leading empty line, Connection: close")
        << close << QByteArray("HEAD") << QByteArray("/board") << QByteArray() << false << close.size();
}

void TestHttpRequestParser::takesRequests()
{
    QFETCH(QByteArray, received);
    QFETCH(QByteArray, method);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, body);
    QFETCH(bool, keepAlive);
    QFETCH(qsizetype, consumed);
    const HttpRequestParser::Result result = HttpRequestParser::parse(received);
    QCOMPARE(result.state, State::Complete);
    QCOMPARE(result.request.method, method);
    QCOMPARE(result.request.path, path);
    QCOMPARE(result.request.body, body);
    QCOMPARE(result.request.keepAlive(), keepAlive);
    QCOMPARE(result.consumed, consumed);
}

void TestHttpRequestParser::waitsForTheRest_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::newRow("nothing yet") << QByteArray();
    QTest::newRow("half a request line") << QByteArray("GET /sta");
    QTest::newRow("header not ended") << QByteArray("GET / HTTP/1.1\r\nHost: a\r\n");
    QTest::newRow("body short") << QByteArray("POST /command HTTP/1.1\r\nHost: a\r\nContent-Length: 10\r\n\r\n12345");
}

void TestHttpRequestParser::waitsForTheRest()
{
    QFETCH(QByteArray, received);
    QCOMPARE(HttpRequestParser::parse(received).state, State::Incomplete);
}

void TestHttpRequestParser::refuses_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<int>("status");

    QTest::newRow("no target") << QByteArray("GET HTTP/1.1\r\n\r\n") << 400;
    QTest::newRow("binary garbage") << QByteArray("\x16\x03\x01\x02\x00 hello\r\n\r\n", 15) << 400;
    QTest::newRow("absolute target") << QByteArray("GET http://x/ HTTP/1.1\r\nHost: a\r\n\r\n") << 400;
    QTest::newRow("blank in target") << QByteArray("GET /a b HTTP/1.1\r\nHost: a\r\n\r\n") << 400;
    QTest::newRow("method with a slash") << QByteArray("G/T / HTTP/1.1\r\nHost: a\r\n\r\n") << 400;
    QTest::newRow("HTTP/2") << QByteArray("GET / HTTP/2.0\r\nHost: a\r\n\r\n") << 505;
    QTest::newRow("not HTTP") << QByteArray("GET / FTP/1.1\r\nHost: a\r\n\r\n") << 400;
    QTest::newRow("HTTP/1.1 without Host") << QByteArray("GET / HTTP/1.1\r\n\r\n") << 400;
    QTest::newRow("field without colon") << QByteArray("GET / HTTP/1.1\r\nHost a\r\n\r\n") << 400;
    QTest::newRow("folded field") << QByteArray("GET / HTTP/1.1\r\nHost: a\r\n b\r\n\r\n") << 400;
    QTest::newRow("control character in a value") << QByteArray("GET / HTTP/1.1\r\nHost: a\x01\r\n\r\n") << 400;
    QTest::newRow("target too long") << "GET /" + QByteArray(3000, 'a') + " HTTP/1.1\r\nHost: a\r\n\r\n" << 414;
    QTest::newRow("endless request line") << "GET /" + QByteArray(5000, 'a') << 414;
    QTest::newRow("header too large") << "GET / HTTP/1.1\r\nHost: a\r\nX: " + QByteArray(9000, 'b') << 431;
    QTest::newRow("endless empty lines") << repeated("\r\n", 5000) << 431;
    QTest::newRow("too many fields") << "GET / HTTP/1.1\r\nHost: a\r\n" + repeated("X: y\r\n", 70) + "\r\n" << 431;
    QTest::newRow("body too large") << QByteArray("POST /command HTTP/1.1\r\nHost: a\r\nContent-Length: 4097\r\n\r\n")
                                    << 413;
    QTest::newRow("huge Content-Length") << QByteArray(
        "POST /command HTTP/1.1\r\nHost: a\r\nContent-Length: 99999999999999999999\r\n\r\n")
                                         << 413;
    QTest::newRow("negative Content-Length")
        << QByteArray("POST /command HTTP/1.1\r\nHost: a\r\nContent-Length: -1\r\n\r\n") << 400;
    QTest::newRow("conflicting Content-Length")
        << QByteArray("POST /command HTTP/1.1\r\nHost: a\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\nab") << 400;
    QTest::newRow("chunked body") << QByteArray(
        "POST /command HTTP/1.1\r\nHost: a\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n")
                                  << 501;
}

void TestHttpRequestParser::refuses()
{
    QFETCH(QByteArray, received);
    QFETCH(int, status);
    const HttpRequestParser::Result result = HttpRequestParser::parse(received);
    QCOMPARE(result.state, State::Failed);
    QCOMPARE(result.status, status);
    QVERIFY(!result.reason.isEmpty());
}

void TestHttpRequestParser::everyPrefixOfAGoodRequestWaits()
{
    // A request that arrives a byte at a time is never refused before it is complete.
    const QByteArray request = "POST /command HTTP/1.1\r\nHost: a\r\nContent-Length: 2\r\n\r\n{}";
    for (qsizetype length = 0; length < request.size(); ++length)
        QCOMPARE(HttpRequestParser::parse(request.first(length)).state, State::Incomplete);
    QCOMPARE(HttpRequestParser::parse(request).state, State::Complete);
}

QTEST_GUILESS_MAIN(TestHttpRequestParser)
#include "testHttpRequestParser.moc"
