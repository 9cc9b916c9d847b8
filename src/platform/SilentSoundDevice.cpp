#include "platform/SilentSoundDevice.h"

#include <QMetaObject>

using namespace Qt::StringLiterals;

SilentSoundDevice::SilentSoundDevice(QObject *parent)
    : SoundDevice(parent)
{
}

void SilentSoundDevice::sendCommand(const QString &word)
{
    m_command = word;
    if (word.compare(u"Play"_s, Qt::CaseInsensitive) == 0)
        QMetaObject::invokeMethod(
            this, [this] { emit Done(Failure); }, Qt::QueuedConnection);
}
