#include "feed/FeedRoutes.h"
#include "feed/FeedServer.h"
#include "feed/RemoteControl.h"
#include "match/Match.h"
#include "support/ManualClock.h"

#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTest>
#include <QWebSocket>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Small limits, so that the tests reach them in a moment.
FeedLimits testLimits()
{
    FeedLimits limits;
    limits.connections = 4;
    limits.webSocketClients = 3;
    limits.idleMilliseconds = 300;
    limits.unsentBytes = 16 * 1024;
    return limits;
}

const QByteArray StateRequest = "GET /state.json HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";

// A raw client: what it writes goes to the server as it is.
class RawClient
{
public:
    // A client that reads at most readLimit bytes and never more, as one that stops reading.
    explicit RawClient(quint16 port, qint64 readLimit = 0)
    {
        socket.setReadBufferSize(readLimit);
        socket.connectToHost(QHostAddress::LocalHost, port);
    }

    bool connected()
    {
        return QTest::qWaitFor([this] { return socket.state() == QAbstractSocket::ConnectedState; }, 2000);
    }

    void send(const QByteArray &bytes)
    {
        socket.write(bytes);
        socket.flush();
    }

    // Everything received until the server closes the connection, or until the timeout.
    QByteArray untilClosed(int milliseconds = 3000)
    {
        // What arrived is returned whether or not the connection closed; the caller checks which.
        (void)QTest::qWaitFor([this] { return socket.state() == QAbstractSocket::UnconnectedState; }, milliseconds);
        received += socket.readAll();
        return received;
    }

    // The status line of the next complete answer, which is taken from the received bytes.
    QByteArray nextStatus(int milliseconds = 2000)
    {
        (void)QTest::qWaitFor(
            [this] {
                received += socket.readAll();
                return complete() > 0;
            },
            milliseconds);
        const qsizetype length = complete();
        if (length <= 0)
            return {};
        const QByteArray answer = received.first(length);
        received.remove(0, length);
        return answer.first(answer.indexOf("\r\n"));
    }

    QTcpSocket socket;
    QByteArray received;

private:
    qsizetype complete() const
    {
        const qsizetype end = received.indexOf("\r\n\r\n");
        if (end < 0)
            return 0;
        const qsizetype field = received.indexOf("Content-Length: ");
        const qsizetype length = received.mid(field + 16, received.indexOf("\r\n", field) - field - 16).toLongLong();
        return received.size() >= end + 4 + length ? end + 4 + length : 0;
    }
};

} // namespace

// The feed's sockets against 127.0.0.1: malformed and oversized requests, idle and non-reading clients,
// the connection caps, and the WebSocket clients' messages. The board's part, the event loop, must stay
// free throughout: every case ends with a request answered at once.
class TestFeedServer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void malformedRequestsAreAnsweredAndClosed_data();
    void malformedRequestsAreAnsweredAndClosed();
    void keepAliveAndPipelining();
    void slowAndIdleClientsAreDropped();
    void connectionsBeyondTheCapAreRefused();
    void clientThatNeverReadsIsDropped();
    void webSocketGetsEveryLatestStateAtMostEvery50ms();
    void webSocketsBeyondTheCapAreRefused();
    void webSocketThatNeverReadsIsDropped();

private:
    quint16 port() const { return m_server->port(); }
    void stillAnswersAtOnce();
    QWebSocket *openWebSocket(QList<QByteArray> &messages);

    ManualClock m_clock;
    std::unique_ptr<Match> m_match;
    std::unique_ptr<RemoteControl> m_remote;
    std::unique_ptr<FeedRoutes> m_routes;
    std::unique_ptr<FeedServer> m_server;
    QByteArray m_padding;
    std::vector<std::unique_ptr<QWebSocket>> m_webSockets;
};

void TestFeedServer::init()
{
    m_match = std::make_unique<Match>(m_clock);
    m_remote = std::make_unique<RemoteControl>(*m_match, m_clock);
    m_padding.clear();
    const auto state = [this] {
        return "{\"score\":" + QByteArray::number(m_match->state().homeScore) + ",\"pad\":\"" + m_padding + "\"}";
    };
    m_routes = std::make_unique<FeedRoutes>(state, *m_remote);
    m_server = std::make_unique<FeedServer>(*m_routes, state, testLimits());
    QVERIFY(m_server->listen(QHostAddress::LocalHost, 0));
}

void TestFeedServer::cleanup()
{
    m_webSockets.clear();
    m_server.reset();
}

void TestFeedServer::stillAnswersAtOnce()
{
    RawClient client(port());
    QVERIFY(client.connected());
    QElapsedTimer answered;
    answered.start();
    client.send(StateRequest);
    QCOMPARE(client.nextStatus(), QByteArray("HTTP/1.1 200 OK"));
    QVERIFY2(answered.elapsed() < 200, qPrintable(QString::number(answered.elapsed())));
}

void TestFeedServer::malformedRequestsAreAnsweredAndClosed_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("status");
    QTest::newRow("garbage") << QByteArray("hello there\r\n\r\n") << QByteArray("HTTP/1.1 400 Bad Request");
    QTest::newRow("HTTP/2 preface") << QByteArray("PRI * HTTP/2.0\r\n\r\nSM\r\n\r\n")
                                    << QByteArray("HTTP/1.1 400 Bad Request");
    QTest::newRow("HTTP/3.0") << QByteArray("GET / HTTP/3.0\r\nHost: a\r\n\r\n")
                              << QByteArray("HTTP/1.1 505 HTTP Version Not Supported");
    QTest::newRow("20 kB of header") << "GET / HTTP/1.1\r\nHost: a\r\nX: " + QByteArray(20'000, 'x') + "\r\n\r\n"
                                     << QByteArray("HTTP/1.1 431 Request Header Fields Too Large");
    QTest::newRow("1 MB body") << "POST /command HTTP/1.1\r\nHost: a\r\nContent-Type: application/json\r\n"
                                  "Content-Length: 1000000\r\n\r\n"
            + QByteArray(100'000, '{')
                               << QByteArray("HTTP/1.1 413 Content Too Large");
}

void TestFeedServer::malformedRequestsAreAnsweredAndClosed()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, status);
    RawClient client(port());
    QVERIFY(client.connected());
    client.send(request);
    const QByteArray received = client.untilClosed();
    QVERIFY2(received.startsWith(status + "\r\n"), received.first(std::min<qsizetype>(received.size(), 80)));
    QVERIFY(received.contains("Connection: close\r\n"));
    QCOMPARE(client.socket.state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(m_match->state(), MatchState::fresh());
    stillAnswersAtOnce();
}

void TestFeedServer::keepAliveAndPipelining()
{
    RawClient client(port());
    QVERIFY(client.connected());
    client.send(StateRequest + "GET /nothing HTTP/1.1\r\nHost: a\r\n\r\n" + StateRequest);
    QCOMPARE(client.nextStatus(), QByteArray("HTTP/1.1 200 OK"));
    QCOMPARE(client.nextStatus(), QByteArray("HTTP/1.1 404 Not Found"));
    QCOMPARE(client.nextStatus(), QByteArray("HTTP/1.1 200 OK"));
    client.send("POST /command HTTP/1.1\r\nHost: a\r\nContent-Type: application/json\r\nContent-Length: 5\r\n\r\n");
    QTest::qWait(50);
    // The body arrives after a pause, in two parts.
    client.send("{\"pin\"");
    client.send(":1}");
    QCOMPARE(client.nextStatus(), QByteArray("HTTP/1.1 400 Bad Request"));
    QCOMPARE(client.socket.state(), QAbstractSocket::ConnectedState);
}

void TestFeedServer::slowAndIdleClientsAreDropped()
{
    RawClient slow(port());
    RawClient idle(port());
    QVERIFY(slow.connected() && idle.connected());
    slow.send("GET /state.js");
    QVERIFY(slow.untilClosed().startsWith("HTTP/1.1 408 Request Timeout"));
    QVERIFY(idle.untilClosed().isEmpty());
    QCOMPARE(idle.socket.state(), QAbstractSocket::UnconnectedState);
    QTRY_COMPARE(m_server->connectionCount(), 0);
}

void TestFeedServer::connectionsBeyondTheCapAreRefused()
{
    std::vector<std::unique_ptr<RawClient>> held;
    for (int i = 0; i < testLimits().connections; ++i) {
        held.push_back(std::make_unique<RawClient>(port()));
        QVERIFY(held.back()->connected());
    }
    QTRY_COMPARE(m_server->connectionCount(), testLimits().connections);
    RawClient refused(port());
    QVERIFY(refused.untilClosed().startsWith("HTTP/1.1 503 Service Unavailable"));
    held.front()->socket.disconnectFromHost();
    QTRY_COMPARE(m_server->connectionCount(), testLimits().connections - 1);
    stillAnswersAtOnce();
}

void TestFeedServer::clientThatNeverReadsIsDropped()
{
    RawClient glutton(port(), 4096);
    QVERIFY(glutton.connected());
    QByteArray requests;
    for (int i = 0; i < 3000; ++i)
        requests += "GET /board.js HTTP/1.1\r\nHost: a\r\n\r\n";
    glutton.send(requests);
    // Others are served while it does not read, and it is dropped once it has held up its answers for
    // the idle time.
    stillAnswersAtOnce();
    QTRY_VERIFY_WITH_TIMEOUT(m_server->connectionCount() == 0, 5000);
    stillAnswersAtOnce();
}

QWebSocket *TestFeedServer::openWebSocket(QList<QByteArray> &messages)
{
    auto socket = std::make_unique<QWebSocket>();
    QObject::connect(socket.get(), &QWebSocket::textMessageReceived,
                     [&messages](const QString &text) { messages.append(text.toUtf8()); });
    socket->open(QUrl(u"ws://127.0.0.1:%1/feed"_s.arg(port())));
    m_webSockets.push_back(std::move(socket));
    return m_webSockets.back().get();
}

void TestFeedServer::webSocketGetsEveryLatestStateAtMostEvery50ms()
{
    QList<QByteArray> messages;
    QList<qint64> arrivals;
    QElapsedTimer clock;
    clock.start();
    QWebSocket *socket = openWebSocket(messages);
    connect(socket, &QWebSocket::textMessageReceived, this, [&] { arrivals.append(clock.elapsed()); });
    QTRY_COMPARE(messages.size(), 1);
    QCOMPARE(messages.first(), QByteArray("{\"score\":0,\"pad\":\"\"}"));
    // A burst of changes is merged; the last one always arrives.
    for (int point = 0; point < 5; ++point) {
        m_match->editScore(Side::Home, u"+1"_s);
        m_server->stateChanged();
    }
    QTRY_COMPARE(messages.last(), QByteArray("{\"score\":5,\"pad\":\"\"}"));
    QVERIFY2(messages.size() <= 3, qPrintable(QString::number(messages.size())));
    for (int point = 6; point <= 10; ++point) {
        m_match->editScore(Side::Home, u"+1"_s);
        m_server->stateChanged();
        QTest::qWait(20);
    }
    QTRY_COMPARE(messages.last(), QByteArray("{\"score\":10,\"pad\":\"\"}"));
    for (qsizetype i = 2; i < arrivals.size(); ++i)
        QVERIFY2(arrivals[i] - arrivals[i - 1] >= 40, qPrintable(u"%1 ms"_s.arg(arrivals[i] - arrivals[i - 1])));
    // Nothing more when nothing changes.
    const qsizetype received = messages.size();
    QTest::qWait(150);
    QCOMPARE(messages.size(), received);
}

void TestFeedServer::webSocketsBeyondTheCapAreRefused()
{
    QList<QByteArray> messages;
    for (int i = 0; i < testLimits().webSocketClients; ++i)
        openWebSocket(messages);
    QTRY_COMPARE(messages.size(), testLimits().webSocketClients);
    QList<QByteArray> refusedMessages;
    QWebSocket *refused = openWebSocket(refusedMessages);
    QTRY_COMPARE(refused->state(), QAbstractSocket::UnconnectedState);
    QVERIFY(refusedMessages.isEmpty());
    QCOMPARE(m_server->webSocketClientCount(), testLimits().webSocketClients);
    stillAnswersAtOnce();
}

void TestFeedServer::webSocketThatNeverReadsIsDropped()
{
    RawClient silent(port(), 4096);
    QVERIFY(silent.connected());
    silent.send("GET /feed HTTP/1.1\r\nHost: a\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n");
    QTRY_COMPARE(m_server->webSocketClientCount(), 1);
    // Large states, quickly, none of them read.
    m_padding = QByteArray(200'000, 'p');
    QTRY_VERIFY_WITH_TIMEOUT(
        [this] {
            m_server->stateChanged();
            return m_server->webSocketClientCount() == 0;
        }(),
        10000);
    m_padding.clear();
    stillAnswersAtOnce();
}

QTEST_GUILESS_MAIN(TestFeedServer)
#include "testFeedServer.moc"
