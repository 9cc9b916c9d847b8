#pragma once

#include "match/TypedText.h"

#include <QString>
#include <QtGlobal>

#include <optional>

// Typed entry into a set pair, one key at a time. One instance serves the four set containers: the
// operator types "home.visitor" and Enter, or the clear key to empty both fields of the pair.
class SetPairEntry
{
public:
    struct Pair
    {
        qint16 home;
        qint16 visitor;
    };

    // One key-down in the container named container with the entry character code code. Returns the
    // two values to write to the pair's fields (-1 empties a field), or nothing.
    std::optional<Pair> keyDown(const QString &container, qint16 code);

private:
    // "home.visitor" as two values; nothing unless there is exactly one point and both values fit.
    static std::optional<Pair> parsePair(const QString &text);
    static std::optional<qint16> parsePart(QStringView part);

    TypedText m_typed;
};
