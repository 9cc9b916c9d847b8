#include "feed/FeedServer.h"

#include "feed/FeedConnection.h"
#include "feed/HttpResponse.h"

#include <QTcpSocket>
#include <QWebSocket>

#include <algorithm>
#include <limits>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Clients only listen; anything they send beyond a ping is of no use.
constexpr quint64 MaxIncomingBytes = 1024;

} // namespace

FeedServer::FeedServer(const FeedRoutes &routes, StateText state, FeedLimits limits, QObject *parent)
    : QObject(parent)
    , m_routes(routes)
    , m_state(std::move(state))
    , m_limits(limits)
    , m_webSocketServer(u"Vantaro"_s, QWebSocketServer::NonSecureMode)
{
    m_webSocketServer.setMaxPendingConnections(m_limits.webSocketClients);
    m_clock.start();
    m_flush.setSingleShot(true);
    connect(&m_flush, &QTimer::timeout, this, &FeedServer::flush);
    connect(&m_tcpServer, &QTcpServer::newConnection, this, &FeedServer::acceptConnections);
    connect(&m_webSocketServer, &QWebSocketServer::newConnection, this, &FeedServer::webSocketConnected);
}

FeedServer::~FeedServer()
{
    close();
}

bool FeedServer::listen(const QHostAddress &address, quint16 port)
{
    close();
    return m_tcpServer.listen(address, port);
}

void FeedServer::close()
{
    m_tcpServer.close();
    m_flush.stop();
    for (FeedConnection *connection : std::exchange(m_connections, {}))
        delete connection;
    for (const Client &client : std::exchange(m_clients, {})) {
        client.socket->abort();
        delete client.socket;
    }
    // The TCP sockets are the server's children; whatever is left of them goes now.
    for (QTcpSocket *socket : m_tcpServer.findChildren<QTcpSocket *>())
        delete socket;
}

void FeedServer::acceptConnections()
{
    while (QTcpSocket *socket = m_tcpServer.nextPendingConnection()) {
        // Small answers and messages go out at once instead of waiting to be merged with later ones.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        if (m_connections.size() >= m_limits.connections) {
            FeedConnection::answerAndClose(socket, HttpResponse::error(503, "Too many connections; try again shortly."),
                                           m_limits);
            continue;
        }
        auto *connection = new FeedConnection(socket, m_routes, m_limits, this);
        m_connections.append(connection);
        connect(connection, &FeedConnection::finished, this, &FeedServer::connectionFinished);
        connect(connection, &FeedConnection::upgradeRequested, this, &FeedServer::upgrade);
    }
}

void FeedServer::connectionFinished(FeedConnection *connection)
{
    m_connections.removeOne(connection);
    connection->deleteLater();
}

void FeedServer::upgrade(FeedConnection *connection)
{
    if (m_clients.size() >= m_limits.webSocketClients) {
        connection->refuse(HttpResponse::error(503, "Too many live clients; try again shortly."));
        return;
    }
    m_connections.removeOne(connection);
    QTcpSocket *socket = connection->release();
    connection->deleteLater();
    // The WebSocket server reads the handshake from the socket and answers it; the socket stays the TCP
    // server's, and goes when it closes, whether the handshake succeeded or not.
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    m_webSocketServer.handleConnection(socket);
}

void FeedServer::webSocketConnected()
{
    while (QWebSocket *socket = m_webSocketServer.nextPendingConnection()) {
        socket->setParent(this);
        socket->setMaxAllowedIncomingFrameSize(MaxIncomingBytes);
        socket->setMaxAllowedIncomingMessageSize(MaxIncomingBytes);
        connect(socket, &QWebSocket::disconnected, this, [this, socket] { dropClient(socket); });
        m_clients.append({socket, 0, 0});
        // The first message is the state as it is now.
        send(m_clients.last(), QString::fromUtf8(m_state()), m_clock.elapsed());
    }
}

void FeedServer::dropClient(QWebSocket *socket)
{
    for (qsizetype i = 0; i < m_clients.size(); ++i) {
        if (m_clients[i].socket == socket) {
            m_clients.removeAt(i);
            socket->deleteLater();
            return;
        }
    }
}

void FeedServer::stateChanged()
{
    ++m_revision;
    if (!m_flush.isActive())
        m_flush.start(0);
}

void FeedServer::flush()
{
    const qint64 now = m_clock.elapsed();
    QString text;
    qint64 nextDue = std::numeric_limits<qint64>::max();
    QList<QWebSocket *> stalled;
    for (Client &client : m_clients) {
        if (client.revision == m_revision)
            continue;
        const qint64 due = client.lastSentMilliseconds + m_limits.messageIntervalMilliseconds;
        if (now < due) {
            nextDue = std::min(nextDue, due);
            continue;
        }
        // It has not read for a long while.
        if (client.socket->bytesToWrite() > m_limits.unsentBytes) {
            stalled.append(client.socket);
            continue;
        }
        if (text.isNull())
            text = QString::fromUtf8(m_state());
        send(client, text, now);
    }
    // Aborted after the loop: a disconnection drops the client from the list.
    for (QWebSocket *socket : stalled)
        socket->abort();
    if (nextDue != std::numeric_limits<qint64>::max())
        m_flush.start(int(nextDue - now));
}

void FeedServer::send(Client &client, const QString &text, qint64 now)
{
    client.socket->sendTextMessage(text);
    client.lastSentMilliseconds = now;
    client.revision = m_revision;
}
