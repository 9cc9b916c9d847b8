#include "match/NumberEdit.h"

#include "core/Numbers.h"

std::optional<QString> ApplyNumberEdit(const QString &caption, const QString &text, NumberLimits limits)
{
    if (text.isEmpty())
        return std::nullopt;
    double current = Numbers::numericValue(caption);
    if (current == -1)
        current = 0;
    const QChar first = text.front();
    double result = 0;
    if (first == ClearCharacter)
        result = -1;
    else if (first >= u'0' && first <= u'9')
        result = Numbers::integerPart(Numbers::numericValue(text));
    else if (first == u'+')
        result = current + Numbers::integerPart(Numbers::numericValue(QStringView(text).mid(1)));
    else if (first == u'-')
        result = current - Numbers::integerPart(Numbers::numericValue(QStringView(text).mid(1)));
    else
        return std::nullopt;
    if (!(result >= limits.minimum && result <= limits.maximum))
        return std::nullopt;
    return QString::number(static_cast<int>(result));
}
