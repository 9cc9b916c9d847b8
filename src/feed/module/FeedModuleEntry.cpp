// The entry point of the live feed's module, looked up by name when the program loads it.
#include "feed/FeedService.h"

extern "C" Q_DECL_EXPORT LiveFeed *vantaroCreateLiveFeed(Match &match, Settings &settings)
{
    return new FeedService(match, settings);
}
