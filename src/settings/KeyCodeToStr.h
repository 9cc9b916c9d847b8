#pragma once

#include <QString>
#include <QtGlobal>

// The display name of a command key's virtual-key code, as the options dialog shows it; the empty text
// for a key without a name. Only named keys can be bound to a command, so the key-capture dialog also
// uses it to refuse keys (the digits, the keypad's digits and signs, the arrows, Space, Tab, Esc, Shift,
// Alt, F1 and F2 have no name).
QString KeyCodeToStr(qint16 keyCode);
