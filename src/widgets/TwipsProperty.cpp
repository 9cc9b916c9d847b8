#include "widgets/TwipsProperty.h"

#include "core/Numbers.h"

#include <algorithm>

bool TwipsProperty::assign(int &field, double twips)
{
    const std::optional<qint32> rounded = Numbers::toInt32(twips);
    if (!rounded)
        return false;
    const int value = std::max(0, *rounded);
    if (value == field)
        return false;
    field = value;
    return true;
}
