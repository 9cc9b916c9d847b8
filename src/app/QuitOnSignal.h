#pragma once

#include <QObject>

class QSocketNotifier;

// Ends the event loop when the system asks the program to end (SIGTERM, SIGINT, SIGHUP: a logout, a
// shutdown, Ctrl+C in a terminal), so that the program goes as after a normal exit, its windows closed and
// its single-instance lock given back, rather than being cut off. The match's journal stays as it is: a
// match the operator did not end is offered again at the next start. Does nothing where there are no
// POSIX signals.
class QuitOnSignal : public QObject
{
    Q_OBJECT

public:
    // Installs the handlers for the application's lifetime.
    static void install();

private:
    explicit QuitOnSignal(QObject *parent);
    static void handle(int signal);
    void signalled();

    QSocketNotifier *m_notifier = nullptr;
    static inline int s_writeEnd = -1;
};
