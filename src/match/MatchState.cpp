#include "match/MatchState.h"

#include <QDataStream>
#include <QIODevice>

using namespace Qt::StringLiterals;

namespace {

// Bumped whenever the binary form changes. Layout 1 lacked the fifth set and the timeouts; a journal of
// any other layout is not read.
constexpr quint8 FirstLayout = 1;
constexpr quint8 BinaryLayout = 2;

QString fieldText(qint16 value)
{
    return value == MatchState::Empty ? u"–"_s : QString::number(value);
}

} // namespace

QString MatchState::clockText(Currency seconds)
{
    if (seconds <= Currency::fromTicks(599000))
        return QString::number(std::max(0.0, seconds.toDouble()), 'f', 1);
    const qint64 whole = (seconds + Currency::fromTicks(9999)).ticks() / Currency::TicksPerUnit;
    return u"%1:%2"_s.arg(whole / 60).arg(whole % 60, 2, 10, QChar(u'0'));
}

bool MatchState::isFresh() const
{
    MatchState comparable = *this;
    comparable.ClockTime = false;
    return comparable == fresh();
}

QByteArray MatchState::toBytes() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << BinaryLayout << homeScore << visitorScore << homeGamesWon << visitorGamesWon;
    for (const SetPair &set : sets)
        out << set.home << set.visitor;
    out << WhoPoss << Running << Seconds.ticks() << ClockTime << ClockPreset.ticks();
    out << fifthSet.home << fifthSet.visitor << homeTimeouts << visitorTimeouts;
    return bytes;
}

std::optional<MatchState> MatchState::fromBytes(const QByteArray &bytes)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint8 layout = 0;
    in >> layout;
    if (layout != BinaryLayout && layout != FirstLayout)
        return std::nullopt;
    MatchState state;
    in >> state.homeScore >> state.visitorScore >> state.homeGamesWon >> state.visitorGamesWon;
    for (SetPair &set : state.sets)
        in >> set.home >> set.visitor;
    qint64 seconds = 0;
    qint64 preset = 0;
    in >> state.WhoPoss >> state.Running >> seconds >> state.ClockTime >> preset;
    if (layout == BinaryLayout)
        in >> state.fifthSet.home >> state.fifthSet.visitor >> state.homeTimeouts >> state.visitorTimeouts;
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    state.Seconds = Currency::fromTicks(seconds);
    state.ClockPreset = Currency::fromTicks(preset);
    return state;
}

QString MatchState::summary(const QString &homeName, const QString &visitorName) const
{
    return u"%1 %2 – %3 %4, games %5–%6, clock %7"_s.arg(homeName, fieldText(homeScore), visitorName,
                                                         fieldText(visitorScore), fieldText(homeGamesWon),
                                                         fieldText(visitorGamesWon), clockText(Seconds));
}
