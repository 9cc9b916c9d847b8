#pragma once

#include "feed/FeedLimits.h"

#include <QObject>
#include <QTimer>

class FeedRoutes;
class QTcpSocket;
struct HttpRequest;
struct HttpResponse;

// One HTTP connection of the feed's server: reads requests one after another within the parser's
// limits, answers each through the routes and keeps the connection for the next one. A request that
// breaks the rules gets its error status and the connection is closed; a connection that sends no
// complete request within the idle time, or does not read its answers, is dropped. A WebSocket upgrade is
// handed back to the server with the request still unread, for the WebSocket server to take.
class FeedConnection : public QObject
{
    Q_OBJECT

public:
    // The socket stays with its owner; the routes must outlive the connection.
    FeedConnection(QTcpSocket *socket, const FeedRoutes &routes, const FeedLimits &limits, QObject *parent = nullptr);

    // Answers with the response and closes, for a request the server refuses itself.
    void refuse(const HttpResponse &response);
    // Stops serving the socket, which the caller takes over with its unread bytes.
    QTcpSocket *release();

    // Writes the response and closes the socket once it is sent; for sockets no connection serves.
    static void answerAndClose(QTcpSocket *socket, const HttpResponse &response, const FeedLimits &limits);

signals:
    // A complete WebSocket upgrade request for the feed waits in the socket.
    void upgradeRequested(FeedConnection *connection);
    // The connection is over; the server forgets and deletes it.
    void finished(FeedConnection *connection);

private:
    void readRequests();
    bool serveNext();
    void timedOut();
    void close();
    void finish();

    QTcpSocket *m_socket;
    const FeedRoutes &m_routes;
    FeedLimits m_limits;
    QTimer m_idle;
    bool m_closing = false;
    bool m_finished = false;
};
