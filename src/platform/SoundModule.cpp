#include "platform/SoundModule.h"

#include "core/ProgramModule.h"
#include "platform/SilentSoundDevice.h"

using namespace Qt::StringLiterals;

namespace {

struct Entries
{
    SoundDevice *(*createDevice)(QObject *) = nullptr;
    bool (*hasAudioOutput)() = nullptr;
};

const Entries &entries()
{
    static const Entries loaded = [] {
        const QString module = u"vantaro-sound"_s;
        Entries found;
        found.createDevice = ProgramModule::function<SoundDevice *(QObject *)>(module, "vantaroCreateSoundDevice");
        // A module that failed has been reported once; it is not tried again.
        if (found.createDevice)
            found.hasAudioOutput = ProgramModule::function<bool()>(module, "vantaroHasAudioOutput");
        return found;
    }();
    return loaded;
}

} // namespace

namespace SoundModule {

SoundDevice *createDevice(QObject *owner)
{
    if (const auto create = entries().createDevice)
        return create(owner);
    return new SilentSoundDevice(owner);
}

bool hasAudioOutput()
{
    const auto has = entries().hasAudioOutput;
    return has && has();
}

} // namespace SoundModule
