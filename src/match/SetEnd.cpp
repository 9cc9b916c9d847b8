#include "match/SetEnd.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

QString SetEnd::question(const QString &homeName, const QString &visitorName) const
{
    const bool home = winner == Side::Home;
    const qint16 won = home ? points.home : points.visitor;
    const qint16 lost = home ? points.visitor : points.home;
    return QCoreApplication::translate("SetEnd", "Set %1 to %2, %3–%4?")
        .arg(set)
        .arg(home ? homeName : visitorName)
        .arg(won)
        .arg(lost);
}

QString SetEnd::keyHint()
{
    return QCoreApplication::translate("SetEnd", "Enter: confirm · Esc: not yet");
}
