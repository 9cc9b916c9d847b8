#pragma once

#include "match/KeyTranslation.h"

#include <QList>
#include <QStringView>
#include <QtGlobal>

// Lets a test write what the operator presses as text and turns it into entry character codes the way
// the board does, through KeyCodeToAsci with the default clear key (Delete):
// digits are the top-row keys, "+" "-" "." the main-keyboard keys, "\r" Enter, " " Space, "#" Delete
// (clear), "<" "^" ">" "v" the arrow keys, and a capital letter its letter key (no entry meaning, "S" is
// the start/stop key).
namespace OperatorKeys {

constexpr qint16 DeleteKey = 46;

inline qint16 keyCode(QChar key)
{
    switch (key.unicode()) {
    case u'+':
        return 187;
    case u'-':
        return 189;
    case u'.':
        return 190;
    case u'\r':
        return 13;
    case u' ':
        return 32;
    case u'#':
        return DeleteKey;
    case u'<':
        return 37;
    case u'^':
        return 38;
    case u'>':
        return 39;
    case u'v':
        return 40;
    default:
        // Top-row digits and capital letters have the virtual-key code of their character.
        if (!((key >= u'0' && key <= u'9') || (key >= u'A' && key <= u'Z')))
            qFatal("No key for %c in a test's key script", key.toLatin1());
        return static_cast<qint16>(key.unicode());
    }
}

inline QList<qint16> entryCodes(QStringView keys)
{
    QList<qint16> codes;
    for (QChar key : keys)
        codes.append(KeyCodeToAsci(keyCode(key), DeleteKey));
    return codes;
}

} // namespace OperatorKeys
