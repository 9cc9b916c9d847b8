#include "match/NumberEntry.h"

#include "match/KeyTranslation.h"

#include <cstdlib>

std::optional<QString> NumberEntry::keyDown(const QString &field, const QString &caption, qint16 code,
                                            NumberLimits limits)
{
    m_typed.claim(field);
    m_typed.type(code, u"0123456789+-");
    QString current = caption;
    bool changed = false;
    if (code == EntryCode::Clear) {
        if (const auto cleared = ApplyNumberEdit(current, QString(ClearCharacter), limits)) {
            current = *cleared;
            changed = true;
        }
    }
    // A single-digit field takes every unsigned digit at once; this runs on every key, whatever it is.
    const bool singleDigitField = std::abs(limits.maximum) <= 9;
    if (singleDigitField && !startsWithSign())
        changed = commit(current, limits) || changed;
    if (startsWithSignAndDigit())
        changed = commit(current, limits) || changed;
    if (code == EntryCode::Enter)
        changed = commit(current, limits) || changed;
    if (!changed)
        return std::nullopt;
    return current;
}

bool NumberEntry::commit(QString &caption, NumberLimits limits)
{
    const auto edited = ApplyNumberEdit(caption, m_typed.take(), limits);
    if (!edited)
        return false;
    caption = *edited;
    return true;
}

bool NumberEntry::startsWithSign() const
{
    const QString &text = m_typed.EntryBuffer();
    return text.startsWith(u'+') || text.startsWith(u'-');
}

bool NumberEntry::startsWithSignAndDigit() const
{
    const QString &text = m_typed.EntryBuffer();
    return text.size() >= 2 && startsWithSign() && text[1] >= u'0' && text[1] <= u'9';
}
