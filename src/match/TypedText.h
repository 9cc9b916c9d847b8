#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

// The text an entry routine has collected so far (`EntryBuffer`) and the element it was typed into
// (`EntryOwner`). Each entry routine keeps one for the whole run; a key in another element of the same
// routine drops what was typed, while focus changes alone keep it.
class TypedText
{
public:
    const QString &EntryBuffer() const { return m_buffer; }

    // Makes owner the element typed into, dropping text typed into another one.
    void claim(const QString &owner);
    // Space empties the text; a code whose character is in accepted is appended; others are ignored.
    void type(qint16 code, QStringView accepted);
    // Returns the text and empties it.
    QString take();
    void clear() { m_buffer.clear(); }

private:
    QString m_buffer;
    QString m_owner;
};
