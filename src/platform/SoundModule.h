#pragma once

class QObject;
class SoundDevice;

// The buzzer's real sound player lives in a module of its own, vantaro-sound (see core/ProgramModule),
// loaded on first use: Qt Multimedia and the sound system it brings would lengthen the program's start by
// a tenth, and the board is the first window that needs them, not the splash. Without the module (a
// damaged installation, a test program) the buzzer stays silent: its plays fail at once, and there is
// said to be no audio output, which the console shows. Use on the GUI thread.
namespace SoundModule {

// The real player when the module loads, else a silent device; owned by owner.
SoundDevice *createDevice(QObject *owner);
// Whether the machine has an audio output the module can play on.
bool hasAudioOutput();

} // namespace SoundModule
