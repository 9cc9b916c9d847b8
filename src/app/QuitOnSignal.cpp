#include "app/QuitOnSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

QuitOnSignal::QuitOnSignal(QObject *parent)
    : QObject(parent)
{
#ifdef Q_OS_UNIX
    // A signal handler may only write to a descriptor; the event loop reads the other end.
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return;
    s_writeEnd = ends[0];
    m_notifier = new QSocketNotifier(ends[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitOnSignal::signalled);
    struct sigaction action = {};
    action.sa_handler = &QuitOnSignal::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
#endif
}

void QuitOnSignal::install()
{
    new QuitOnSignal(QCoreApplication::instance());
}

void QuitOnSignal::handle(int)
{
#ifdef Q_OS_UNIX
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(s_writeEnd, &byte, 1);
#endif
}

void QuitOnSignal::signalled()
{
#ifdef Q_OS_UNIX
    char byte;
    [[maybe_unused]] const auto read = ::read(int(m_notifier->socket()), &byte, 1);
#endif
    // Not quit(): that asks the windows first, and the board would ask whether to end the match.
    QCoreApplication::exit(0);
}
