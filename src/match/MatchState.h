#pragma once

#include "core/Currency.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// The points of one set for both sides; -1 is an empty field.
struct SetPair
{
    qint16 home = -1;
    qint16 visitor = -1;

    bool operator==(const SetPair &) const = default;
};

// Everything of a match that the board shows, as one value: what the journal records, what undo
// restores and what every view draws. Number fields hold -1 when empty. Seconds is the game timer's
// reading at the moment the value was taken.
struct MatchState
{
    static constexpr qint16 Empty = -1;
    static constexpr int SetCount = 4;

    qint16 homeScore = 0;
    qint16 visitorScore = 0;
    qint16 homeGamesWon = 0;
    qint16 visitorGamesWon = 0;
    std::array<SetPair, SetCount> sets {};
    // The deciding set of a best-of-5 match, which has no set box of its own: the main score shows it.
    SetPair fifthSet {};
    qint16 WhoPoss = 0;
    bool Running = false;
    Currency Seconds = Currency::fromInteger(600);
    bool ClockTime = false;
    Currency ClockPreset = Currency::fromInteger(600);
    // Timeouts each side has taken in the set in play.
    qint16 homeTimeouts = 0;
    qint16 visitorTimeouts = 0;

    bool operator==(const MatchState &) const = default;

    // The state of a board that has just been loaded.
    static MatchState fresh() { return {}; }
    // True when nothing the operator could miss differs from a fresh board: the clock's display mode
    // alone does not make a match.
    bool isFresh() const;

    // A compact binary form for the journal; fromBytes refuses anything that toBytes did not write, and
    // still reads the form of earlier versions.
    QByteArray toBytes() const;
    static std::optional<MatchState> fromBytes(const QByteArray &bytes);

    // One line for the operator, e.g. "Home 18 – Visitor 21, games 1–1, clock 4:12".
    QString summary(const QString &homeName, const QString &visitorName) const;
    // A clock reading as the board shows it: "4:12", rounded up to the whole second, or "45.3" in the
    // last minute.
    static QString clockText(Currency seconds);
};
