#include "feed/FeedService.h"

#include "core/MonotonicClock.h"
#include "feed/StateJson.h"
#include "feed/TextFileWriter.h"
#include "feed/TextFiles.h"
#include "match/Match.h"
#include "settings/FeedPin.h"
#include "settings/Settings.h"

#include <QJsonDocument>
#include <QNetworkInterface>

using namespace Qt::StringLiterals;

namespace {

constexpr int TimeOfDayCheckMilliseconds = 1000;

} // namespace

FeedService::FeedService(Match &match, Settings &settings, QObject *parent)
    : QObject(parent)
    , m_match(match)
    , m_settings(settings)
    , m_remote(match, MonotonicClock::steady())
    , m_routes([this] { return stateText(); }, m_remote)
    , m_server(m_routes, [this] { return stateText(); })
    , m_textWriter(new TextFileWriter)
{
    m_textWriter->moveToThread(&m_textThread);
    connect(&m_textThread, &QThread::finished, m_textWriter, &QObject::deleteLater);
    connect(m_textWriter, &TextFileWriter::failed, this, &FeedService::warning);
    m_textThread.start();
    // Written after the change has been handled, so that the board repaints first.
    m_textFilesDue.setSingleShot(true);
    m_textFilesDue.setInterval(0);
    connect(&m_textFilesDue, &QTimer::timeout, this, &FeedService::writeTextFiles);
    m_timeOfDay.setInterval(TimeOfDayCheckMilliseconds);
    connect(&m_timeOfDay, &QTimer::timeout, this, &FeedService::watchTimeOfDay);
    connect(&m_match, &Match::changed, this, &FeedService::matchChanged);
    connect(&m_match, &Match::assistanceChanged, this, &FeedService::matchChanged);
}

FeedService::~FeedService()
{
    m_server.close();
    m_textThread.quit();
    m_textThread.wait();
}

QJsonObject FeedService::state() const
{
    QJsonObject state = StateJson::build(m_match.state(), m_match.version(), m_settings, QTime::currentTime());
    state.insert(u"rules"_s, StateJson::rules(m_match));
    return state;
}

QByteArray FeedService::stateText() const
{
    return QJsonDocument(state()).toJson(QJsonDocument::Compact);
}

void FeedService::setListener(Listener listener)
{
    if (listener.statusChanged)
        connect(this, &FeedService::statusChanged, this, listener.statusChanged);
    if (listener.warning)
        connect(this, &FeedService::warning, this, listener.warning);
}

QString FeedService::pin() const
{
    return m_settings.Feed.Pin;
}

void FeedService::apply()
{
    if (!FeedPin::isValid(m_settings.Feed.Pin))
        m_settings.Feed.Pin = FeedPin::random();
    m_remote.setPin(m_settings.Feed.Pin);
    if (!m_settings.Feed.Enabled) {
        m_server.close();
        m_timeOfDay.stop();
        setStatus(Status::Off, {});
        return;
    }
    if (!listen())
        return;
    m_timeOfDay.start();
    setStatus(Status::Running, {});
    matchChanged();
}

bool FeedService::listen()
{
    const qint32 port = m_settings.Feed.Port;
    if (port < 1 || port > 65535) {
        m_server.close();
        setStatus(Status::Failed,
                  u"The live feed is off: %1 is not a port number (1 to 65535). Choose another port on the Feed "
                  u"tab of the options."_s.arg(port));
        return false;
    }
    const QHostAddress address
        = m_settings.Feed.Network == FeedNetwork::LAN ? QHostAddress(QHostAddress::Any) : QHostAddress::LocalHost;
    if (m_server.isListening() && m_server.port() == port && m_address == address)
        return true;
    m_address = address;
    if (m_server.listen(address, quint16(port)))
        return true;
    setStatus(Status::Failed,
              u"The live feed is off: port %1 cannot be used (%2). Another program may be using it; choose another "
              u"port on the Feed tab of the options. Vantaro goes on without the feed."_s.arg(port)
                  .arg(m_server.errorString()));
    return false;
}

void FeedService::setStatus(Status status, const QString &problem)
{
    const bool changed = status != m_status || problem != m_problem;
    m_status = status;
    m_problem = problem;
    if (!changed)
        return;
    if (!problem.isEmpty())
        emit warning(problem);
    emit statusChanged();
}

QStringList FeedService::addresses() const
{
    if (m_status != Status::Running)
        return {};
    const QString port = QString::number(m_server.port());
    if (m_address == QHostAddress::LocalHost)
        return {u"http://127.0.0.1:"_s + port};
    QStringList addresses;
    for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            addresses.append(u"http://%1:%2"_s.arg(address.toString(), port));
    }
    addresses.append(u"http://127.0.0.1:"_s + port);
    return addresses;
}

void FeedService::matchChanged()
{
    if (m_status != Status::Running)
        return;
    m_server.stateChanged();
    if (!m_settings.Feed.TextFolder.isEmpty())
        m_textFilesDue.start();
}

void FeedService::writeTextFiles()
{
    m_textWriter->submit(m_settings.Feed.TextFolder, TextFiles::of(state()));
}

void FeedService::watchTimeOfDay()
{
    // The time of day on the clock changes by the minute, with no change of the match to tell.
    const MatchState state = m_match.state();
    if (!state.ClockTime)
        return;
    const QString shown = QTime::currentTime().toString(u"hh:mm"_s);
    if (shown == m_shownTimeOfDay)
        return;
    m_shownTimeOfDay = shown;
    matchChanged();
}
