#include "SoundDevice.h"

SoundDevice::SoundDevice(QObject *parent)
    : QObject(parent)
{
}
