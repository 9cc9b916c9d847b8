#include "match/SetPairEntry.h"

#include "core/Numbers.h"
#include "match/KeyTranslation.h"

#include <QStringList>

std::optional<SetPairEntry::Pair> SetPairEntry::keyDown(const QString &container, qint16 code)
{
    m_typed.claim(container);
    m_typed.type(code, u"0123456789.");
    if (code == EntryCode::Clear) {
        m_typed.clear();
        return Pair {-1, -1};
    }
    if (code == EntryCode::Enter)
        return parsePair(m_typed.take());
    return std::nullopt;
}

std::optional<SetPairEntry::Pair> SetPairEntry::parsePair(const QString &text)
{
    const QStringList parts = text.split(u'.');
    if (parts.size() != 2)
        return std::nullopt;
    const auto home = parsePart(parts[0]);
    const auto visitor = parsePart(parts[1]);
    // A value beyond the 16-bit range of the fields is refused as a whole: both fields keep theirs.
    if (!home || !visitor)
        return std::nullopt;
    return Pair {*home, *visitor};
}

std::optional<qint16> SetPairEntry::parsePart(QStringView part)
{
    return Numbers::toInt16(Numbers::integerPart(Numbers::numericValue(part.trimmed())));
}
