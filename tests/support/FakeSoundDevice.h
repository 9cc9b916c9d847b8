#pragma once

#include "platform/SoundDevice.h"

#include <QStringList>

// A sound device that only records what it is told; the test says when a play has finished.
class FakeSoundDevice final : public SoundDevice
{
    Q_OBJECT

public:
    using SoundDevice::SoundDevice;

    QString fileName() const override { return m_fileName; }
    void setFileName(const QString &name) override { m_fileName = name; }
    QString command() const override { return commands.isEmpty() ? QString() : commands.last(); }
    void sendCommand(const QString &word) override
    {
        commands.append(word);
        emit commandSent(word);
    }

    int plays() const { return int(commands.count(QStringLiteral("Play"))); }
    void finishPlay() { emit Done(Successful); }

    QStringList commands;

signals:
    // Lets a test follow the commands past the device's own lifetime.
    void commandSent(const QString &word);

private:
    QString m_fileName;
};
