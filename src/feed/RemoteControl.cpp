#include "feed/RemoteControl.h"

#include "core/MonotonicClock.h"
#include "match/Match.h"
#include "settings/FeedPin.h"

#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 NanosecondsPerSecond = 1'000'000'000;

} // namespace

RemoteControl::RemoteControl(Match &match, const MonotonicClock &clock)
    : m_match(match)
    , m_clock(clock)
{
}

bool RemoteControl::lockedOut() const
{
    return m_clock.nanoseconds() < m_lockedUntil;
}

RemoteControl::Outcome RemoteControl::run(const QByteArray &body)
{
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return {Result::Malformed, "The body is not a JSON object."};
    const QJsonObject request = document.object();
    const QJsonValue pin = request.value(u"pin"_s);
    const QJsonValue command = request.value(u"command"_s);
    if ((!pin.isUndefined() && !pin.isString()) || !command.isString())
        return {Result::Malformed, "The body needs \"pin\" and \"command\" as texts."};
    if (lockedOut())
        return lockedOutcome();
    if (pin.isUndefined())
        return {Result::WrongPin, "The PIN is missing."};
    if (!pinMatches(pin.toString()))
        return wrongPin();
    m_wrongPins = 0;
    if (!runCommand(command.toString()))
        return {Result::UnknownCommand, "The command is unknown."};
    return {Result::Done, {}};
}

RemoteControl::Outcome RemoteControl::wrongPin()
{
    if (++m_wrongPins < AllowedWrongPins)
        return {Result::WrongPin, "The PIN is wrong."};
    m_wrongPins = 0;
    m_lockedUntil = m_clock.nanoseconds() + LockOutSeconds * NanosecondsPerSecond;
    return lockedOutcome();
}

RemoteControl::Outcome RemoteControl::lockedOutcome() const
{
    const qint64 left = (m_lockedUntil - m_clock.nanoseconds() + NanosecondsPerSecond - 1) / NanosecondsPerSecond;
    return {Result::LockedOut, "Remote control is locked after five wrong PINs; try again in a minute.", left};
}

bool RemoteControl::pinMatches(const QString &pin) const
{
    if (!FeedPin::isValid(m_pin) || pin.size() != m_pin.size())
        return false;
    // Every character is compared, so that the time taken tells nothing about how much was right.
    int differences = 0;
    for (qsizetype i = 0; i < pin.size(); ++i)
        differences |= pin[i].unicode() ^ m_pin[i].unicode();
    return differences == 0;
}

bool RemoteControl::runCommand(const QString &command)
{
    if (command == u"homePlus")
        m_match.editScore(Side::Home, u"+1"_s);
    else if (command == u"homeMinus")
        m_match.editScore(Side::Home, u"-1"_s);
    else if (command == u"visitorPlus")
        m_match.editScore(Side::Visitor, u"+1"_s);
    else if (command == u"visitorMinus")
        m_match.editScore(Side::Visitor, u"-1"_s);
    else if (command == u"startStop")
        m_match.startStopClock();
    else if (command == u"resetClock")
        m_match.resetClock();
    else if (command == u"buzzer")
        m_match.soundBuzzer();
    else if (command == u"undo")
        m_match.undo();
    else if (command == u"redo")
        m_match.redo();
    else if (command == u"possessionHome")
        m_match.setWhoPoss(Possession::Home);
    else if (command == u"possessionVisitor")
        m_match.setWhoPoss(Possession::Visitor);
    else if (command == u"possessionNone")
        m_match.setWhoPoss(Possession::Nobody);
    else
        return false;
    return true;
}
