#pragma once

#include <QObject>
#include <QString>

// The multimedia device the buzzer plays through, as the board sees it: a file name, command words
// written to Command ("Open", "Play", "Stop", "Prev" to rewind to the start, "Close"; case does not
// matter, other words are ignored) and the completion notification Done. Abstract so that tests can put
// a double in place of the real player.
//
// What every device guarantees: Done is raised exactly once for each "Play" accepted while the device
// was not already playing, whether the sound played to its end, was stopped, or could not start at all,
// so that a caller waiting for it can never wait forever. Done always arrives later through the event
// loop of the device's thread, never from inside sendCommand. Commands the device cannot carry out fail
// silently.
class SoundDevice : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "MMControl")
    Q_PROPERTY(QString FileName READ fileName WRITE setFileName)
    Q_PROPERTY(QString Command READ command WRITE sendCommand)

public:
    // The argument of Done, with the values of the multimedia control interface the board was designed on.
    enum NotifyCode {
        Successful = 1, // played to its end
        Aborted = 4, // stopped, rewound or closed while playing
        Failure = 8, // could not start, failed or never reached its end
    };
    Q_ENUM(NotifyCode)

    explicit SoundDevice(QObject *parent = nullptr);

    virtual QString fileName() const = 0;
    virtual void setFileName(const QString &name) = 0;
    // The last word written, whether the device knew it or not.
    virtual QString command() const = 0;
    virtual void sendCommand(const QString &word) = 0;

signals:
    void Done(int notifyCode);
};
