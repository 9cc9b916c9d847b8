#pragma once

#include "feed/HttpRequest.h"
#include "feed/HttpResponse.h"

#include <functional>
#include <optional>

class RemoteControl;

// What the feed answers to each request, apart from any socket: the match as JSON (GET /state.json),
// the pages shipped with the program (/overlay, /board, /remote and their scripts and styles) and the
// remote's commands (POST /command). Everything else is refused with a status that says why. The
// WebSocket upgrade of /feed is the server's business; a plain GET of it is told to upgrade.
class FeedRoutes
{
public:
    using StateText = std::function<QByteArray()>;

    // state gives the match's JSON as it is at the moment of the call.
    FeedRoutes(StateText state, RemoteControl &remote);

    HttpResponse respond(const HttpRequest &request) const;

    static constexpr const char *FeedPath = "/feed";

private:
    HttpResponse state() const;
    HttpResponse command(const HttpRequest &request) const;
    static std::optional<HttpResponse> page(const QByteArray &path);

    StateText m_state;
    RemoteControl &m_remote;
};
