#include "feed/HttpRequest.h"

QByteArray HttpRequest::header(const QByteArray &name) const
{
    for (const auto &[field, value] : headers) {
        if (field == name)
            return value;
    }
    return {};
}

bool HttpRequest::headerHasToken(const QByteArray &name, const QByteArray &token) const
{
    for (const auto &[field, value] : headers) {
        if (field != name)
            continue;
        for (const QByteArray &item : value.split(',')) {
            if (item.trimmed().compare(token, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

bool HttpRequest::keepAlive() const
{
    if (minorVersion == 0)
        return headerHasToken("connection", "keep-alive");
    return !headerHasToken("connection", "close");
}

bool HttpRequest::isWebSocketUpgrade() const
{
    return method == "GET" && headerHasToken("connection", "upgrade") && headerHasToken("upgrade", "websocket");
}
