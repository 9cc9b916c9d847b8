// libFuzzer entry point for the clock's typed entry: every input is read once as clock text by
// ParseClockText and once as a sequence of keys typed into the clock field. A value must only come from
// text of the accepted shape and lie within what the clock can show; the entry must only report on
// Enter and never above its maximum.
#include "FuzzKeyCodes.h"
#include "match/ClockEntry.h"
#include "match/KeyTranslation.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

// 99 minutes, 99 seconds and nine tenths: the most that the text's fields can spell.
constexpr Currency LargestClockText = Currency::fromTicks((99 * 60 + 99) * Currency::TicksPerUnit + 9000);

bool hasClockShape(QStringView text)
{
    if (text.size() > 8 || text.count(u'.') > 1)
        return false;
    for (QChar c : text) {
        if (!(c.isDigit() && c.unicode() < 128) && c != u'.')
            return false;
    }
    return true;
}

void checkText(QStringView text)
{
    const std::optional<Currency> value = ParseClockText(text);
    if (value && (!hasClockShape(text) || *value < Currency() || *value > LargestClockText))
        std::abort();
}

void checkKeys(const std::uint8_t *data, std::size_t size)
{
    ClockEntry entry;
    const QString elements[] = {QStringLiteral("tledGame"), QStringLiteral("nledHomeScore")};
    int element = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const FuzzKeyCodes::Step step = FuzzKeyCodes::decode(data[i]);
        if (step.switchElement) {
            element = step.element & 1;
            continue;
        }
        const std::optional<Currency> value = entry.keyDown(elements[element], step.code, ClockEntryMaximum);
        if (value && (step.code != EntryCode::Enter || *value < Currency() || *value > ClockEntryMaximum))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    checkText(QString::fromLatin1(bytes));
    checkText(QString::fromUtf8(bytes));
    checkKeys(data, size);
    return 0;
}
