#pragma once

#include "platform/SoundDevice.h"

// A sound device without sound, for when the real player is missing: every "Play" fails at once (Done
// with Failure, through the event loop), so that the buzzer is never stuck waiting for a sound.
class SilentSoundDevice : public SoundDevice
{
    Q_OBJECT

public:
    explicit SilentSoundDevice(QObject *parent = nullptr);

    QString fileName() const override { return m_fileName; }
    void setFileName(const QString &name) override { m_fileName = name; }
    QString command() const override { return m_command; }
    void sendCommand(const QString &word) override;

private:
    QString m_fileName;
    QString m_command;
};
