#pragma once

#include "feed/FeedLimits.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QTimer>
#include <QWebSocketServer>

#include <functional>

class FeedConnection;
class FeedRoutes;
class QHostAddress;
class QWebSocket;

// The sockets of the live feed: HTTP connections answered through the routes, and WebSocket clients of
// /feed that get the match's JSON on connecting and on every change. Qt's HTTP server of this Qt
// version can cap neither header and body sizes nor the number of connections, so the HTTP side is a
// small HTTP/1.1 front of our own on QTcpServer that hands WebSocket upgrades to QWebSocketServer. The
// limits say how many HTTP connections and WebSocket clients are served at once (more are refused with
// 503) and how often a client gets a message: changes in between are merged into the latest state, so
// the last state always arrives. A WebSocket client that stops reading is dropped.
class FeedServer : public QObject
{
    Q_OBJECT

public:
    using StateText = std::function<QByteArray()>;

    // The routes must outlive the server; state gives the match's JSON at the moment of the call.
    FeedServer(const FeedRoutes &routes, StateText state, FeedLimits limits = {}, QObject *parent = nullptr);
    ~FeedServer() override;

    bool listen(const QHostAddress &address, quint16 port);
    void close();
    bool isListening() const { return m_tcpServer.isListening(); }
    quint16 port() const { return m_tcpServer.serverPort(); }
    QString errorString() const { return m_tcpServer.errorString(); }
    int connectionCount() const { return int(m_connections.size()); }
    int webSocketClientCount() const { return int(m_clients.size()); }

    // The match has changed: every WebSocket client is to get the new state.
    void stateChanged();

private:
    struct Client
    {
        QWebSocket *socket;
        qint64 lastSentMilliseconds;
        quint64 revision;
    };

    void acceptConnections();
    void connectionFinished(FeedConnection *connection);
    void upgrade(FeedConnection *connection);
    void webSocketConnected();
    void dropClient(QWebSocket *socket);
    void flush();
    void send(Client &client, const QString &text, qint64 now);

    const FeedRoutes &m_routes;
    StateText m_state;
    FeedLimits m_limits;
    QTcpServer m_tcpServer;
    QWebSocketServer m_webSocketServer;
    QList<FeedConnection *> m_connections;
    QList<Client> m_clients;
    // Counts the changes; a client whose revision is behind is owed a message.
    quint64 m_revision = 0;
    QElapsedTimer m_clock;
    QTimer m_flush;
};
