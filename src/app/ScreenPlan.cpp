#include "app/ScreenPlan.h"

namespace {

int firstOtherThan(const QStringList &screens, int screen)
{
    for (int index = 0; index < screens.size(); ++index) {
        if (index != screen)
            return index;
    }
    return screen;
}

} // namespace

ScreenPlan ScreenPlan::choose(const QStringList &screens, int primary, const QString &chosen)
{
    ScreenPlan plan;
    if (screens.isEmpty())
        return plan;
    primary = qBound(0, primary, int(screens.size()) - 1);
    if (!chosen.isEmpty()) {
        const int named = int(screens.indexOf(chosen));
        plan.chosenMissing = named < 0;
        plan.board = plan.chosenMissing ? primary : named;
    } else {
        plan.board = firstOtherThan(screens, primary);
    }
    plan.fullScreen = screens.size() > 1;
    plan.operatorScreen = plan.board != primary ? primary : firstOtherThan(screens, plan.board);
    return plan;
}
