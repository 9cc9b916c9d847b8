#pragma once

#include <QString>

// Nothing that the help viewer's text view cannot show: no control characters besides the tab and the
// line feed, no lone surrogates. Shared by the RTF reader's tests and its fuzz target.
inline bool showable(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\n')
            return false;
        if (c.isHighSurrogate() && (i + 1 == text.size() || !text[i + 1].isLowSurrogate()))
            return false;
        if (c.isLowSurrogate() && (i == 0 || !text[i - 1].isHighSurrogate()))
            return false;
    }
    return true;
}
