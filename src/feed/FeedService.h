#pragma once

#include "feed/FeedRoutes.h"
#include "feed/FeedServer.h"
#include "feed/LiveFeed.h"
#include "feed/RemoteControl.h"
#include "match/MatchChange.h"

#include <QHostAddress>
#include <QJsonObject>
#include <QObject>
#include <QThread>
#include <QTimer>

class Match;
class TextFileWriter;
struct Settings;

// The live feed as the program runs it, after the settings' section "Feed": the server on 127.0.0.1 or
// on every network of the computer, the remote control with its PIN, and the text files for streaming
// tools. It follows the match's changes and the time of day the clock may show. What it is doing, its
// address and PIN and why it is not running are there for the operator's console to show; a problem
// is also announced once as a warning, and the program goes on without the feed.
class FeedService : public QObject, public LiveFeed
{
    Q_OBJECT

public:
    // A settings record without a valid PIN gets a random one here, which the options dialog then shows
    // and saves. The match and the settings must outlive the service.
    FeedService(Match &match, Settings &settings, QObject *parent = nullptr);
    ~FeedService() override;

    // Starts, moves or stops the feed after the settings; clients stay connected while the address and
    // port stay the same. New names, colours or digit style go out to every client.
    void apply() override;

    Status status() const override { return m_status; }
    QStringList addresses() const override;
    QString pin() const override;
    QString problem() const override { return m_problem; }
    quint16 port() const override { return m_server.port(); }
    // Connects the listener to the signals below.
    void setListener(Listener listener) override;
    const FeedServer &server() const { return m_server; }

signals:
    void statusChanged();
    // A problem the operator should know about: the port is taken, the text files cannot be written.
    void warning(const QString &message);

private:
    QJsonObject state() const;
    QByteArray stateText() const;
    void matchChanged();
    void writeTextFiles();
    void watchTimeOfDay();
    bool listen();
    void setStatus(Status status, const QString &problem);

    Match &m_match;
    Settings &m_settings;
    RemoteControl m_remote;
    FeedRoutes m_routes;
    FeedServer m_server;
    QThread m_textThread;
    TextFileWriter *m_textWriter;
    QTimer m_textFilesDue;
    QTimer m_timeOfDay;
    QString m_shownTimeOfDay;
    QHostAddress m_address;
    Status m_status = Status::Off;
    QString m_problem;
};
