#include "settings/FeedPin.h"

#include <QRandomGenerator>

#include <algorithm>

namespace FeedPin {

bool isValid(const QString &pin)
{
    return pin.size() == Digits && std::all_of(pin.begin(), pin.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString random()
{
    return QString::number(QRandomGenerator::system()->bounded(1'000'000), 10).rightJustified(Digits, u'0');
}

} // namespace FeedPin
