#include "instance/LocalChannel.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <cstdio>

namespace {

const QByteArray RaiseRequest = "raise\n";

} // namespace

LocalChannel::~LocalChannel()
{
    if (m_server)
        m_server->close();
}

bool LocalChannel::ask(const QString &name)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(500))
        return false;
    socket.write(RaiseRequest);
    const bool sent = socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return sent;
}

bool LocalChannel::listen(const QString &name, std::function<void()> activate)
{
    m_activate = std::move(activate);
    // A socket left by a program that crashed would keep the name taken.
    QLocalServer::removeServer(name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name)) {
        std::fprintf(stderr, "Vantaro: cannot listen on %s: %s\n", qPrintable(name),
                     qPrintable(m_server->errorString()));
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &LocalChannel::requestArrived);
    return true;
}

void LocalChannel::requestArrived()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(RaiseRequest.trimmed()) && m_activate)
                m_activate();
        });
    }
}
