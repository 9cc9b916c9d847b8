#include "app/SingleInstance.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QWidget>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QByteArray RaiseRequest = "raise\n";
// A later start waits this long for an earlier one that holds the lock but does not listen yet (it is
// starting up) before it goes on without it.
constexpr int AnswerMilliseconds = 3000;

bool usableFolder(const QString &path)
{
    const QFileInfo folder(path);
    return !path.isEmpty() && folder.isDir() && folder.isWritable();
}

} // namespace

SingleInstance::SingleInstance(QString folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder.isEmpty() ? defaultFolder() : std::move(folder))
    , m_activate(&SingleInstance::bringProgramToFront)
{
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

QString SingleInstance::defaultFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (usableFolder(runtime))
        return runtime;
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty())
        state = QDir::homePath() + u"/.local/state"_s;
    return state + u"/Vantaro"_s;
}

QString SingleInstance::lockFileName() const
{
    return m_folder + u"/vantaro.lock"_s;
}

QString SingleInstance::serverName() const
{
    return m_folder + u"/vantaro.socket"_s;
}

bool SingleInstance::claim()
{
    if (!QDir().mkpath(m_folder)) {
        std::fprintf(stderr, "Vantaro: %s cannot be created; a second start cannot be told apart\n",
                     qPrintable(m_folder));
        return true;
    }
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_lock = std::make_unique<QLockFile>(lockFileName());
    // Only a lock whose process is gone is stale, however long the board has been running.
    m_lock->setStaleLockTime(0);
    const QDeadlineTimer deadline(AnswerMilliseconds);
    while (!m_lock->tryLock(0)) {
        if (m_lock->error() != QLockFile::LockFailedError) {
            std::fprintf(stderr, "Vantaro: the lock %s cannot be taken; a second start cannot be told apart\n",
                         qPrintable(lockFileName()));
            return true;
        }
        if (askRunningStart())
            return false;
        if (deadline.hasExpired()) {
            // Held by a process that is alive but does not answer: not a reason to keep the board away.
            std::fprintf(stderr, "Vantaro: %s is held by a process that does not answer; starting anyway\n",
                         qPrintable(lockFileName()));
            return true;
        }
        QThread::msleep(50);
    }
    return true;
}

bool SingleInstance::askRunningStart()
{
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(500))
        return false;
    socket.write(RaiseRequest);
    const bool sent = socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return sent;
}

void SingleInstance::listen()
{
    // A socket left by a program that crashed would keep the name taken.
    QLocalServer::removeServer(serverName());
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(serverName())) {
        std::fprintf(stderr, "Vantaro: cannot listen on %s: %s\n", qPrintable(serverName()),
                     qPrintable(m_server->errorString()));
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::requestArrived);
}

void SingleInstance::requestArrived()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->readAll().contains(RaiseRequest.trimmed()))
                return;
            if (m_activate)
                m_activate();
        });
    }
}

void SingleInstance::bringProgramToFront()
{
    QWidget *front = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() && !window->isMinimized())
            continue;
        // The board comes first; the splash until there is one; any other window of the program last.
        if (window->objectName() == u"frmScoreboard"_s) {
            front = window;
            break;
        }
        if (!front || window->inherits("frmSplash"))
            front = window;
    }
    if (!front)
        return;
    front->setWindowState(front->windowState() & ~Qt::WindowMinimized);
    front->show();
    front->raise();
    front->activateWindow();
}
