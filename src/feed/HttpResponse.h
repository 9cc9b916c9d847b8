#pragma once

#include <QByteArray>
#include <QList>

#include <utility>

// One answer of the feed's server. Every answer carries its length, and a JSON error names the problem
// in a sentence, so that a client always learns what went wrong.
struct HttpResponse
{
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QList<std::pair<QByteArray, QByteArray>> headers;
    // The connection is closed once this answer is sent.
    bool closeConnection = false;

    // {"error": message} with the given status.
    static HttpResponse error(int status, const QByteArray &message);
    static QByteArray reasonPhrase(int status);

    // The bytes on the wire; a HEAD request gets the header alone.
    QByteArray serialize(bool headOnly, bool keepAlive) const;
};
