#include "app/SingleInstance.h"

#include "core/ProgramModule.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>
#include <QWidget>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// A later start waits this long for an earlier one that holds the lock but does not listen yet (it is
// starting up) before it goes on without it.
constexpr int AnswerMilliseconds = 3000;

bool usableFolder(const QString &path)
{
    const QFileInfo folder(path);
    return !path.isEmpty() && folder.isDir() && folder.isWritable();
}

std::unique_ptr<InstanceChannel> channelFromModule()
{
    const auto create
        = ProgramModule::function<InstanceChannel *()>(u"vantaro-instance"_s, "vantaroCreateInstanceChannel");
    return std::unique_ptr<InstanceChannel>(create ? create() : nullptr);
}

} // namespace

SingleInstance::SingleInstance(QString folder, ChannelFactory makeChannel, QObject *parent)
    : QObject(parent)
    , m_folder(folder.isEmpty() ? defaultFolder() : std::move(folder))
    , m_makeChannel(makeChannel ? std::move(makeChannel) : &channelFromModule)
    , m_activate(&SingleInstance::bringProgramToFront)
{
}

SingleInstance::~SingleInstance() = default;

InstanceChannel *SingleInstance::channel()
{
    if (!m_channel && m_makeChannel) {
        m_channel = m_makeChannel();
        // A module that failed has been reported once; it is not tried again.
        m_makeChannel = nullptr;
    }
    return m_channel.get();
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
        if (InstanceChannel *asking = channel(); asking && asking->ask(serverName()))
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

void SingleInstance::listen()
{
    if (InstanceChannel *listening = channel())
        listening->listen(serverName(), [this] {
            if (m_activate)
                m_activate();
        });
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
