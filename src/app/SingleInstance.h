#pragma once

#include "instance/InstanceChannel.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLockFile;

// One board per user: the first start of the program holds a lock file and listens on a local socket,
// both in the user's runtime folder ($XDG_RUNTIME_DIR, or the per-user state folder
// ~/.local/state/Vantaro when there is none); a later start by the same user finds the lock held, asks
// the first one over the socket to bring its window to the front, and ends. A lock left by a program
// that crashed (its process is gone) is taken over, and one whose holder does not answer at all never
// keeps a start from going on. The socket is an InstanceChannel, by default from the program's module
// vantaro-instance, loaded only when a start finds the lock held or begins to listen; without the module a
// later start waits for the answer in vain and then starts a board of its own.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    using ChannelFactory = std::function<std::unique_ptr<InstanceChannel>()>;

    // Uses folder for the lock and the socket; the per-user folder when empty. The channel comes from
    // makeChannel, or from the program's module when it is empty.
    explicit SingleInstance(QString folder = {}, ChannelFactory makeChannel = {}, QObject *parent = nullptr);
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
    // The channel, made on first use; null when it cannot be made.
    InstanceChannel *channel();

    QString m_folder;
    ChannelFactory m_makeChannel;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<InstanceChannel> m_channel;
    std::function<void()> m_activate;
};
