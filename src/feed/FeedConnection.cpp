#include "feed/FeedConnection.h"

#include "feed/FeedRoutes.h"
#include "feed/HttpRequestParser.h"

#include <QTcpSocket>

namespace {

// Room for the largest request the parser takes; beyond it the socket stops reading from the network.
constexpr qint64 ReadBufferBytes = 2 * (HttpRequestParser::MaxHeadBytes + HttpRequestParser::MaxBodyBytes);

} // namespace

FeedConnection::FeedConnection(QTcpSocket *socket, const FeedRoutes &routes, const FeedLimits &limits, QObject *parent)
    : QObject(parent)
    , m_socket(socket)
    , m_routes(routes)
    , m_limits(limits)
{
    m_socket->setReadBufferSize(ReadBufferBytes);
    m_idle.setSingleShot(true);
    m_idle.setInterval(m_limits.idleMilliseconds);
    connect(&m_idle, &QTimer::timeout, this, &FeedConnection::timedOut);
    connect(m_socket, &QTcpSocket::readyRead, this, &FeedConnection::readRequests);
    // Answers that were held back for a slow reader go on once it has read.
    connect(m_socket, &QTcpSocket::bytesWritten, this, &FeedConnection::readRequests);
    connect(m_socket, &QTcpSocket::disconnected, this, &FeedConnection::finish);
    m_idle.start();
    readRequests();
}

void FeedConnection::readRequests()
{
    while (!m_closing && m_socket->state() == QAbstractSocket::ConnectedState && serveNext()) { }
}

bool FeedConnection::serveNext()
{
    if (m_socket->bytesToWrite() > m_limits.unsentBytes)
        return false;
    const QByteArray received = m_socket->peek(HttpRequestParser::MaxHeadBytes + HttpRequestParser::MaxBodyBytes + 1);
    if (received.isEmpty())
        return false;
    const HttpRequestParser::Result result = HttpRequestParser::parse(received);
    switch (result.state) {
    case HttpRequestParser::State::Incomplete:
        return false;
    case HttpRequestParser::State::Failed:
        refuse(HttpResponse::error(result.status, result.reason));
        return false;
    case HttpRequestParser::State::Complete:
        break;
    }
    const HttpRequest &request = result.request;
    if (request.path == FeedRoutes::FeedPath && request.isWebSocketUpgrade()) {
        m_idle.stop();
        emit upgradeRequested(this);
        return false;
    }
    m_socket->skip(result.consumed);
    const HttpResponse response = m_routes.respond(request);
    const bool keepAlive = request.keepAlive() && !response.closeConnection;
    m_socket->write(response.serialize(request.method == "HEAD", keepAlive));
    if (!keepAlive) {
        close();
        return false;
    }
    m_idle.start();
    return true;
}

void FeedConnection::refuse(const HttpResponse &response)
{
    m_socket->write(response.serialize(false, false));
    close();
}

void FeedConnection::timedOut()
{
    if (!m_closing && m_socket->bytesAvailable() > 0) {
        refuse(HttpResponse::error(408, "The request did not arrive in time."));
        return;
    }
    m_socket->abort();
    finish();
}

void FeedConnection::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_idle.stop();
    emit finished(this);
}

void FeedConnection::close()
{
    m_closing = true;
    // Unread requests are dropped; what was written still goes out before the connection closes.
    m_socket->disconnectFromHost();
    // A client that never reads would keep the connection open: it gets the idle time, no more.
    m_idle.start();
}

QTcpSocket *FeedConnection::release()
{
    m_idle.stop();
    m_finished = true;
    disconnect(m_socket, nullptr, this, nullptr);
    m_socket->setReadBufferSize(0);
    QTcpSocket *socket = m_socket;
    m_closing = true;
    return socket;
}

void FeedConnection::answerAndClose(QTcpSocket *socket, const HttpResponse &response, const FeedLimits &limits)
{
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(limits.idleMilliseconds, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    socket->write(response.serialize(false, false));
    socket->disconnectFromHost();
}
