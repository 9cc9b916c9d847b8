#include "match/SetEnd.h"

using namespace Qt::StringLiterals;

QString SetEnd::question(const QString &homeName, const QString &visitorName) const
{
    const bool home = winner == Side::Home;
    const qint16 won = home ? points.home : points.visitor;
    const qint16 lost = home ? points.visitor : points.home;
    return u"Set %1 to %2, %3–%4?"_s.arg(set).arg(home ? homeName : visitorName).arg(won).arg(lost);
}

QString SetEnd::keyHint()
{
    return u"Enter: confirm · Esc: not yet"_s;
}
