// The entry points of the sound module, looked up by name when the program loads it.
#include "sound/SoundPlayer.h"

extern "C" Q_DECL_EXPORT SoundDevice *vantaroCreateSoundDevice(QObject *owner)
{
    return new SoundPlayer(owner);
}

extern "C" Q_DECL_EXPORT bool vantaroHasAudioOutput()
{
    return SoundPlayer::hasAudioOutput();
}
