#include "platform/SoundDevice.h"

SoundDevice::SoundDevice(QObject *parent)
    : QObject(parent)
{
}
