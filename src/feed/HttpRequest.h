#pragma once

#include <QByteArray>
#include <QList>

#include <utility>

// One request as the feed's server has read it: the method, the target split into path and query, the
// minor version of HTTP/1.x, the header fields (names in lower case, in the order sent) and the body.
struct HttpRequest
{
    QByteArray method;
    QByteArray path;
    QByteArray query;
    int minorVersion = 1;
    QList<std::pair<QByteArray, QByteArray>> headers;
    QByteArray body;

    // The value of the first field of that name (lower case), empty when there is none.
    QByteArray header(const QByteArray &name) const;
    // True when a comma-separated field of that name lists the token, in any case.
    bool headerHasToken(const QByteArray &name, const QByteArray &token) const;
    // HTTP/1.1 keeps the connection unless told to close it; HTTP/1.0 only when asked to keep it.
    bool keepAlive() const;
    bool isWebSocketUpgrade() const;
};
