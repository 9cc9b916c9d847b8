#include "feed/HttpRequestParser.h"

#include <algorithm>

namespace {

// The characters of a method or a field name (RFC 9110 tchar).
bool isTokenCharacter(char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool isToken(QByteArrayView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isTokenCharacter);
}

// Visible ASCII only: no blanks, controls or bytes above 127 in a target.
bool isVisibleAscii(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c > 0x20 && c < 0x7F; });
}

bool hasControlCharacter(QByteArrayView text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return (c >= 0 && c < 0x20 && c != '\t') || c == 0x7F; });
}

QByteArrayView withoutCarriageReturn(QByteArrayView line)
{
    return line.endsWith('\r') ? line.chopped(1) : line;
}

} // namespace

HttpRequestParser::Result HttpRequestParser::failed(int status, const char *reason)
{
    Result result;
    result.state = State::Failed;
    result.status = status;
    result.reason = reason;
    return result;
}

HttpRequestParser::Result HttpRequestParser::parse(QByteArrayView received)
{
    Result result;
    HttpRequest &request = result.request;
    qsizetype lineStart = 0;
    bool firstLine = true;
    while (true) {
        const qsizetype lineEnd = received.indexOf('\n', lineStart);
        const qsizetype lineLength = (lineEnd < 0 ? received.size() : lineEnd) - lineStart;
        // Told as soon as the line is too long, without waiting for the rest of it.
        if (firstLine && lineLength > MaxRequestLineBytes)
            return failed(414, "The request line is too long.");
        if ((lineEnd < 0 ? received.size() : lineEnd + 1) > MaxHeadBytes)
            return failed(431, "The request's header is too large.");
        if (lineEnd < 0)
            return result;
        const QByteArrayView line = withoutCarriageReturn(received.sliced(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;
        if (firstLine) {
            // Empty lines before a request are tolerated, as RFC 9112 asks.
            if (line.isEmpty())
                continue;
            if (!parseRequestLine(line, request, result))
                return result;
            firstLine = false;
            continue;
        }
        if (line.isEmpty())
            break;
        if (!parseHeaderLine(line, request, result))
            return result;
    }
    qsizetype length = 0;
    if (!bodyLength(request, length, result))
        return result;
    if (received.size() - lineStart < length)
        return result;
    request.body = received.sliced(lineStart, length).toByteArray();
    result.consumed = lineStart + length;
    result.state = State::Complete;
    return result;
}

bool HttpRequestParser::parseRequestLine(QByteArrayView line, HttpRequest &request, Result &failure)
{
    const qsizetype firstSpace = line.indexOf(' ');
    const qsizetype lastSpace = line.lastIndexOf(' ');
    if (firstSpace <= 0 || lastSpace <= firstSpace + 1) {
        failure = failed(400, "The request line is malformed.");
        return false;
    }
    const QByteArrayView method = line.first(firstSpace);
    const QByteArrayView target = line.sliced(firstSpace + 1, lastSpace - firstSpace - 1);
    const QByteArrayView version = line.sliced(lastSpace + 1);
    if (!isToken(method) || !isVisibleAscii(target) || !target.startsWith('/')) {
        failure = failed(400, "The request line is malformed.");
        return false;
    }
    if (target.size() > MaxTargetBytes) {
        failure = failed(414, "The request line is too long.");
        return false;
    }
    if (version != "HTTP/1.1" && version != "HTTP/1.0") {
        const bool http = version.startsWith("HTTP/") && version.size() > 5;
        failure = http ? failed(505, "Only HTTP/1.0 and HTTP/1.1 are served.")
                       : failed(400, "The request line is malformed.");
        return false;
    }
    request.method = method.toByteArray();
    const qsizetype query = target.indexOf('?');
    request.path = (query < 0 ? target : target.first(query)).toByteArray();
    request.query = query < 0 ? QByteArray() : target.sliced(query + 1).toByteArray();
    request.minorVersion = version.back() - '0';
    return true;
}

bool HttpRequestParser::parseHeaderLine(QByteArrayView line, HttpRequest &request, Result &failure)
{
    const qsizetype colon = line.indexOf(':');
    // A line folded onto the previous one starts with a blank; RFC 9112 lets a server refuse it.
    if (colon <= 0 || !isToken(line.first(colon))) {
        failure = failed(400, "A header field is malformed.");
        return false;
    }
    const QByteArrayView value = line.sliced(colon + 1).trimmed();
    if (hasControlCharacter(value)) {
        failure = failed(400, "A header field is malformed.");
        return false;
    }
    if (request.headers.size() >= MaxHeaderFields) {
        failure = failed(431, "The request has too many header fields.");
        return false;
    }
    request.headers.append({line.first(colon).toByteArray().toLower(), value.toByteArray()});
    return true;
}

bool HttpRequestParser::bodyLength(const HttpRequest &request, qsizetype &length, Result &failure)
{
    if (!request.header("transfer-encoding").isEmpty()) {
        failure = failed(501, "Chunked and other transfer codings are not accepted; send a Content-Length.");
        return false;
    }
    if (request.minorVersion == 1 && request.header("host").isEmpty()) {
        failure = failed(400, "An HTTP/1.1 request needs a Host field.");
        return false;
    }
    length = 0;
    bool seen = false;
    for (const auto &[name, value] : request.headers) {
        if (name != "content-length")
            continue;
        if (value.isEmpty() || !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            failure = failed(400, "The Content-Length is not a number.");
            return false;
        }
        // Ten digits or more are too large anyway; not converting them keeps the number in range.
        const qsizetype declared = value.size() > 9 ? MaxBodyBytes + 1 : value.toLongLong();
        if (seen && declared != length) {
            failure = failed(400, "The request has conflicting Content-Length fields.");
            return false;
        }
        seen = true;
        length = declared;
    }
    if (length > MaxBodyBytes) {
        failure = failed(413, "The request's body is too large.");
        return false;
    }
    return true;
}
