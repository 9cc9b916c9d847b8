#include "match/KeyTranslation.h"

namespace {

constexpr qint16 SpaceKey = 32;
constexpr qint16 EnterKey = 13;
constexpr qint16 EqualsPlusKey = 187;
constexpr qint16 PadPlusKey = 107;
constexpr qint16 MinusKey = 189;
constexpr qint16 PadMinusKey = 109;
constexpr qint16 Pad0Key = 96;
constexpr qint16 Pad9Key = 105;
constexpr qint16 Top0Key = 48;
constexpr qint16 Top9Key = 57;
constexpr qint16 PadPointKey = 110;
constexpr qint16 FullStopKey = 190;

} // namespace

qint16 KeyCodeToAsci(qint16 keyCode, qint16 clearKey)
{
    // The order of the tests decides which meaning a key assigned twice keeps.
    if (keyCode == SpaceKey)
        return EntryCode::Space;
    if (keyCode == EnterKey)
        return EntryCode::Enter;
    if (keyCode == clearKey)
        return EntryCode::Clear;
    if (keyCode == EqualsPlusKey || keyCode == PadPlusKey)
        return EntryCode::Plus;
    if (keyCode == MinusKey || keyCode == PadMinusKey)
        return EntryCode::Minus;
    if (keyCode >= Pad0Key && keyCode <= Pad9Key)
        return static_cast<qint16>(EntryCode::Digit0 + keyCode - Pad0Key);
    if (keyCode >= Top0Key && keyCode <= Top9Key)
        return static_cast<qint16>(EntryCode::Digit0 + keyCode - Top0Key);
    if (keyCode == PadPointKey || keyCode == FullStopKey)
        return EntryCode::Point;
    return EntryCode::Nothing;
}
