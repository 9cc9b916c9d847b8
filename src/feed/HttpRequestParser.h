#pragma once

#include "feed/HttpRequest.h"

#include <QByteArrayView>

// Reads one HTTP/1.x request from the start of what a connection has received so far, within fixed
// limits, so that no request can make the server hold more than a few kilobytes for it. Only what the
// feed needs is accepted: origin-form targets, HTTP/1.0 and 1.1, bodies with a Content-Length. Lines
// may end in CR LF or a bare LF.
class HttpRequestParser
{
public:
    // The request line and the header fields together.
    static constexpr qsizetype MaxHeadBytes = 8192;
    static constexpr qsizetype MaxTargetBytes = 2048;
    // The target with room for the method and the version.
    static constexpr qsizetype MaxRequestLineBytes = MaxTargetBytes + 32;
    static constexpr int MaxHeaderFields = 64;
    static constexpr qsizetype MaxBodyBytes = 4096;

    enum class State { Incomplete, Complete, Failed };

    struct Result
    {
        State state = State::Incomplete;
        // Complete: the request and how many bytes of the input it took.
        HttpRequest request;
        qsizetype consumed = 0;
        // Failed: the status to answer with and why.
        int status = 0;
        QByteArray reason;
    };

    static Result parse(QByteArrayView received);

private:
    static Result failed(int status, const char *reason);
    static bool parseRequestLine(QByteArrayView line, HttpRequest &request, Result &failure);
    static bool parseHeaderLine(QByteArrayView line, HttpRequest &request, Result &failure);
    static bool bodyLength(const HttpRequest &request, qsizetype &length, Result &failure);
};
