#include "match/TypedText.h"

#include "match/KeyTranslation.h"

void TypedText::claim(const QString &owner)
{
    if (owner == m_owner)
        return;
    m_buffer.clear();
    m_owner = owner;
}

void TypedText::type(qint16 code, QStringView accepted)
{
    if (code == EntryCode::Space) {
        m_buffer.clear();
        return;
    }
    // Entry codes are ASCII; anything outside (the clear code and "nothing" among them) types nothing.
    if (code <= 0 || code > 127)
        return;
    const QChar character(static_cast<char16_t>(code));
    if (accepted.contains(character))
        m_buffer += character;
}

QString TypedText::take()
{
    QString text = m_buffer;
    m_buffer.clear();
    return text;
}
