// libFuzzer entry point for the typed entry of the number fields and the set pairs: every input is a
// sequence of keys (see FuzzKeyCodes) typed into the four score and games-won fields through one
// NumberEntry and into the four set pairs through one SetPairEntry, with every reported value written
// back as the board does. A field must always hold a canonical whole number within its limits, and a
// set pair must only change on Enter or the clear code.
#include "FuzzKeyCodes.h"
#include "match/KeyTranslation.h"
#include "match/NumberEntry.h"
#include "match/SetPairEntry.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

struct FuzzNumberField
{
    QString name;
    NumberLimits limits;
    QString caption;
};

void checkCaption(const FuzzNumberField &field)
{
    bool isNumber = false;
    const int value = field.caption.toInt(&isNumber);
    if (!isNumber || QString::number(value) != field.caption || value < field.limits.minimum
        || value > field.limits.maximum)
        std::abort();
}

void checkPair(const SetPairEntry::Pair &pair, qint16 code)
{
    const bool cleared = pair.home == -1 && pair.visitor == -1;
    if (code == EntryCode::Clear ? !cleared : (code != EntryCode::Enter || pair.home < 0 || pair.visitor < 0))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzNumberField fields[] = {{QStringLiteral("nledHomeScore"), ScoreLimits, QStringLiteral("0")},
                                {QStringLiteral("nledVisitorScore"), ScoreLimits, QStringLiteral("0")},
                                {QStringLiteral("nledHomeGamesWon"), GamesWonLimits, QStringLiteral("0")},
                                {QStringLiteral("nledVisitorGamesWon"), GamesWonLimits, QStringLiteral("-1")}};
    const QString containers[]
        = {QStringLiteral("picSet1"), QStringLiteral("picSet2"), QStringLiteral("picSet3"), QStringLiteral("picSet4")};
    NumberEntry numberEntry;
    SetPairEntry setPairEntry;
    int element = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const FuzzKeyCodes::Step step = FuzzKeyCodes::decode(data[i]);
        if (step.switchElement) {
            element = step.element;
            continue;
        }
        FuzzNumberField &field = fields[element];
        if (const auto caption = numberEntry.keyDown(field.name, field.caption, step.code, field.limits))
            field.caption = *caption;
        checkCaption(field);
        if (const auto pair = setPairEntry.keyDown(containers[element], step.code))
            checkPair(*pair, step.code);
    }
    return 0;
}
