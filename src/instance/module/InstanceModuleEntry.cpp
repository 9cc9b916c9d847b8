// The entry point of the channel between starts, looked up by name when the program loads it.
#include "instance/LocalChannel.h"

extern "C" Q_DECL_EXPORT InstanceChannel *vantaroCreateInstanceChannel()
{
    return new LocalChannel;
}
