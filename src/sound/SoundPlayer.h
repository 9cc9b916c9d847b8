#pragma once

#include "platform/SoundDevice.h"

#include <QElapsedTimer>
#include <QTimer>

#include <memory>
#include <optional>

class QSoundEffect;

// The real sound device of the buzzer: WAV files played through Qt Multimedia's sound effect, which
// decodes the whole file into memory on "Open" so that "Play" sounds at once. "Play" plays the sound
// once from its start; "Stop" and "Prev" end a play in progress (the next one starts from the beginning
// again); "Close" unloads the file. A play that cannot start (no file opened, a file that is not a
// readable WAV sound, no audio device) or that never ends still raises Done, the latter after the
// sound's length plus a safety margin. Done never comes sooner than the sound's length after "Play",
// so that it does not overtake what the audio output still holds. Create and use it on the GUI thread,
// and destroy it before the application object.
//
// "Open" never waits for the file: it is checked (an ordinary file, a readable WAV sound) off the GUI
// thread, so that a named pipe or a drive that stopped answering cannot freeze the program. A "Play" given
// while the file is being checked sounds once the check is done, or fails (Done) when the check has not
// answered within the safety margin.
class SoundPlayer : public SoundDevice
{
    Q_OBJECT

public:
    explicit SoundPlayer(QObject *parent = nullptr);

    // Whether the machine has any audio output for the buzzer to sound on.
    static bool hasAudioOutput();
    ~SoundPlayer() override;

    QString fileName() const override { return m_fileName; }
    void setFileName(const QString &name) override { m_fileName = name; }
    QString command() const override { return m_command; }
    void sendCommand(const QString &word) override;

private:
    void open();
    void opened(const QString &path, std::optional<qint64> durationMs);
    void play();
    void startPlay();
    void stop();
    void close();

    bool canPlay() const;
    void endPlay(NotifyCode code);
    void onPlayingChanged();
    void onStatusChanged();
    void onTimeout();

    QString m_fileName;
    QString m_command;
    qint64 m_durationMs = 0; // of the opened sound; 0 when none is open
    bool m_playing = false; // from an accepted "Play" until its Done is on its way
    bool m_opening = false; // the file named by the last "Open" is being checked
    bool m_playAfterOpen = false; // a "Play" waits for that check
    quint64 m_openCount = 0; // tells the check of the last "Open" from earlier ones
    bool m_soundEnded = false; // the output has taken the whole sound; Done waits for its length
    QElapsedTimer m_sincePlay;
    QTimer m_timer; // ends the wait for the sound's length, or a play that never ends
    std::unique_ptr<QSoundEffect> m_effect;
};
