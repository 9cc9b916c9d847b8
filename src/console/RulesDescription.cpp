#include "console/RulesDescription.h"

#include "match/Match.h"

#include <QtMath>

using namespace Qt::StringLiterals;

namespace {

QString chancesText(const RulesAssessment &assessment, Side side, const QString &name)
{
    if (assessment.matchWinner == side)
        return u"%1 won the match."_s.arg(name);
    const RulesAssessment::Chances &chances = assessment.chancesOf(side);
    if (chances.matchPoint)
        return u"Match point %1."_s.arg(name);
    return chances.setPoint ? u"Set point %1."_s.arg(name) : QString();
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
        lines.append(u"Set %1%2: to %3 points."_s.arg(assessment.set)
                         .arg(assessment.decidingSet ? u" (deciding set)"_s : QString())
                         .arg(assessment.target));
    }
    for (const auto &[side, name] : {std::pair {Side::Home, homeName}, std::pair {Side::Visitor, visitorName}}) {
        if (const QString chances = chancesText(assessment, side, name); !chances.isEmpty())
            lines.append(chances);
    }
    lines.append(u"Timeouts taken: %1 %2, %3 %4 (of %5)."_s.arg(homeName)
                     .arg(state.homeTimeouts)
                     .arg(visitorName)
                     .arg(state.visitorTimeouts)
                     .arg(match.rules().timeoutsPerSet));
    if (const std::optional<Match::TimeoutCountdown> timeout = match.timeoutCountdown()) {
        lines.append(u"Timeout %1: %2 s left."_s.arg(timeout->side == Side::Home ? homeName : visitorName)
                         .arg(qCeil(timeout->remaining.toDouble())));
    }
    if (match.sideSwitchDue())
        lines.append(u"Switch sides now."_s);
    return lines;
}
