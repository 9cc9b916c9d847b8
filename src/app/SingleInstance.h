#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

// One board per user: the first start of the program holds a lock file and listens on a local socket,
// both in the user's runtime folder ($XDG_RUNTIME_DIR, or the per-user state folder
// ~/.local/state/Vantaro when there is none); a later start by the same user finds the lock held, asks
// the first one over the socket to bring its window to the front, and ends. A lock left by a program
// that crashed (its process is gone) is taken over, and one whose holder does not answer at all never
// keeps a start from going on.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // Uses folder for the lock and the socket; the per-user folder when empty.
    explicit SingleInstance(QString folder = {}, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The runtime folder, or the per-user state folder.
    static QString defaultFolder();

    // True when this start is to run: it now holds the lock. False when an earlier start of the same
    // user runs and has been asked to come to the front: this one should end.
    bool claim();
    // Answers later starts from now on; after a successful claim. Later starts wait for it a while.
    void listen();
    // What a later start's request does; by default it brings the board, or else the splash, forward.
    void setOnActivation(std::function<void()> activate) { m_activate = std::move(activate); }

    // Brings the program's main window (the board, or the splash before it) to the front.
    static void bringProgramToFront();

    QString lockFileName() const;
    QString serverName() const;

private:
    bool askRunningStart();
    void requestArrived();

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    std::function<void()> m_activate;
};
