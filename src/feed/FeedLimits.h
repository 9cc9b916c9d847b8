#pragma once

#include <QtGlobal>

// How much the feed's server takes on, so that no client and no crowd of clients can hold up the board
// or fill the memory. Tests use smaller figures to reach the limits quickly.
struct FeedLimits
{
    // HTTP connections served at once; more are answered 503 and closed.
    int connections = 64;
    // WebSocket clients served at once; more are answered 503.
    int webSocketClients = 64;
    // A connection that sends no complete request for this long is closed.
    int idleMilliseconds = 10'000;
    // What may wait for a client that does not read; beyond it the client is dropped.
    qint64 unsentBytes = 256 * 1024;
    // The shortest time between two messages to one WebSocket client.
    int messageIntervalMilliseconds = 50;
};
