#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The live feed as the program drives it. The feed (FeedService) is loaded as a module of its own when
// the board opens, so that Qt Network and Qt WebSockets stay out of the program's start; the program
// knows it through this interface alone.
class LiveFeed
{
public:
    enum class Status { Off, Running, Failed };
    // Told when the status changes, and of a problem the operator should know about (the port is taken,
    // the text files cannot be written).
    struct Listener
    {
        std::function<void()> statusChanged;
        std::function<void(const QString &message)> warning;
    };

    virtual ~LiveFeed() = default;

    // Starts, moves or stops the feed after the settings.
    virtual void apply() = 0;
    virtual Status status() const = 0;
    // The addresses a browser can use while the feed runs, e.g. "http://127.0.0.1:8750".
    virtual QStringList addresses() const = 0;
    virtual QString pin() const = 0;
    // Why the feed is not running, in a sentence for the operator; empty while it runs or is off.
    virtual QString problem() const = 0;
    virtual quint16 port() const = 0;
    virtual void setListener(Listener listener) = 0;
};
