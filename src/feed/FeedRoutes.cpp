#include "feed/FeedRoutes.h"

#include "feed/RemoteControl.h"

#include <QFile>

namespace {

struct Page
{
    const char *path;
    const char *resource;
    const char *contentType;
};

constexpr Page Pages[] = {
    {"/", ":/feed/index.html", "text/html; charset=utf-8"},
    {"/overlay", ":/feed/overlay.html", "text/html; charset=utf-8"},
    {"/board", ":/feed/board.html", "text/html; charset=utf-8"},
    {"/remote", ":/feed/remote.html", "text/html; charset=utf-8"},
    {"/feed.js", ":/feed/feed.js", "text/javascript; charset=utf-8"},
    {"/led.js", ":/feed/led.js", "text/javascript; charset=utf-8"},
    {"/overlay.js", ":/feed/overlay.js", "text/javascript; charset=utf-8"},
    {"/board.js", ":/feed/board.js", "text/javascript; charset=utf-8"},
    {"/remote.js", ":/feed/remote.js", "text/javascript; charset=utf-8"},
    {"/feed.css", ":/feed/feed.css", "text/css; charset=utf-8"},
};

bool isRead(const HttpRequest &request)
{
    return request.method == "GET" || request.method == "HEAD";
}

HttpResponse methodNotAllowed(const QByteArray &allowed)
{
    HttpResponse response = HttpResponse::error(405, "This address takes " + allowed + " only.");
    response.headers.emplaceBack("Allow", allowed);
    return response;
}

} // namespace

FeedRoutes::FeedRoutes(StateText state, RemoteControl &remote)
    : m_state(std::move(state))
    , m_remote(remote)
{
}

HttpResponse FeedRoutes::respond(const HttpRequest &request) const
{
    if (request.path == "/state.json")
        return isRead(request) ? state() : methodNotAllowed("GET, HEAD");
    if (request.path == "/command")
        return request.method == "POST" ? command(request) : methodNotAllowed("POST");
    if (request.path == FeedPath) {
        HttpResponse response = HttpResponse::error(426, "This address is a WebSocket: connect with ws://.");
        response.headers.emplaceBack("Upgrade", "websocket");
        return response;
    }
    std::optional<HttpResponse> found = page(request.path);
    if (!found)
        return HttpResponse::error(404, "There is nothing at this address.");
    return isRead(request) ? *found : methodNotAllowed("GET, HEAD");
}

HttpResponse FeedRoutes::state() const
{
    HttpResponse response;
    response.contentType = "application/json";
    response.body = m_state();
    response.headers = {{"Cache-Control", "no-store"}, {"Access-Control-Allow-Origin", "*"}};
    return response;
}

HttpResponse FeedRoutes::command(const HttpRequest &request) const
{
    // A browser sends JSON to another site only after asking it first, which this server never allows:
    // requiring it keeps other web pages from sending commands on the operator's behalf.
    const QByteArray type = request.header("content-type").split(';').first().trimmed().toLower();
    if (type != "application/json")
        return HttpResponse::error(415, "Commands are sent as application/json.");
    const RemoteControl::Outcome outcome = m_remote.run(request.body);
    switch (outcome.result) {
    case RemoteControl::Result::Done: {
        HttpResponse response = state();
        response.headers = {{"Cache-Control", "no-store"}};
        return response;
    }
    case RemoteControl::Result::Malformed:
    case RemoteControl::Result::UnknownCommand:
        return HttpResponse::error(400, outcome.message);
    case RemoteControl::Result::WrongPin:
        return HttpResponse::error(403, outcome.message);
    case RemoteControl::Result::LockedOut: {
        HttpResponse response = HttpResponse::error(429, outcome.message);
        response.headers.emplaceBack("Retry-After", QByteArray::number(outcome.retryAfterSeconds));
        return response;
    }
    }
    return HttpResponse::error(500, "The command was not handled.");
}

std::optional<HttpResponse> FeedRoutes::page(const QByteArray &path)
{
    for (const Page &page : Pages) {
        if (path != page.path)
            continue;
        QFile file(QString::fromLatin1(page.resource));
        if (!file.open(QIODevice::ReadOnly))
            return HttpResponse::error(500, "This page is missing from the program.");
        HttpResponse response;
        response.contentType = page.contentType;
        response.body = file.readAll();
        response.headers = {{"Cache-Control", "no-cache"}};
        // The remote is never to be framed by another page that could trick a finger onto its buttons.
        if (path == "/remote")
            response.headers.emplaceBack("X-Frame-Options", "DENY");
        return response;
    }
    return std::nullopt;
}
