#include "console/RulesDescription.h"

#include "match/Match.h"

#include <QCoreApplication>
#include <QtMath>

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("RulesDescription", source);
}

QString chancesText(const RulesAssessment &assessment, Side side, const QString &name)
{
    if (assessment.matchWinner == side)
        return text(QT_TRANSLATE_NOOP("RulesDescription", "%1 won the match.")).arg(name);
    const RulesAssessment::Chances &chances = assessment.chancesOf(side);
    if (chances.matchPoint)
        return text(QT_TRANSLATE_NOOP("RulesDescription", "Match point %1.")).arg(name);
    return chances.setPoint ? text(QT_TRANSLATE_NOOP("RulesDescription", "Set point %1.")).arg(name) : QString();
}

} // namespace

QStringList describeRules(const Match &match, const QString &homeName, const QString &visitorName)
{
    if (!match.rules().isOn())
        return {};
    const RulesAssessment assessment = match.assessment();
    const MatchState state = match.state();
    QStringList lines;
    if (!assessment.matchOver) {
        lines.append((assessment.decidingSet
                          ? text(QT_TRANSLATE_NOOP("RulesDescription", "Set %1 (deciding set): to %2 points."))
                          : text(QT_TRANSLATE_NOOP("RulesDescription", "Set %1: to %2 points.")))
                         .arg(assessment.set)
                         .arg(assessment.target));
    }
    for (const auto &[side, name] : {std::pair {Side::Home, homeName}, std::pair {Side::Visitor, visitorName}}) {
        if (const QString chances = chancesText(assessment, side, name); !chances.isEmpty())
            lines.append(chances);
    }
    lines.append(text(QT_TRANSLATE_NOOP("RulesDescription", "Timeouts taken: %1 %2, %3 %4 (of %5)."))
                     .arg(homeName)
                     .arg(state.homeTimeouts)
                     .arg(visitorName)
                     .arg(state.visitorTimeouts)
                     .arg(match.rules().timeoutsPerSet));
    if (const std::optional<Match::TimeoutCountdown> timeout = match.timeoutCountdown()) {
        lines.append(text(QT_TRANSLATE_NOOP("RulesDescription", "Timeout %1: %2 s left."))
                         .arg(timeout->side == Side::Home ? homeName : visitorName)
                         .arg(qCeil(timeout->remaining.toDouble())));
    }
    if (match.sideSwitchDue())
        lines.append(text(QT_TRANSLATE_NOOP("RulesDescription", "Switch sides now.")));
    return lines;
}
