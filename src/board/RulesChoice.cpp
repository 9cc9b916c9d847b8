#include "board/RulesChoice.h"

#include "settings/Settings.h"

namespace RulesChoice {

RuleSet ruleSet(const Settings &settings)
{
    RuleSet rules;
    if (settings.Mode == u"Indoor")
        rules = RuleSet::indoor();
    else if (settings.Mode == u"Beach")
        rules = RuleSet::beach();
    else if (settings.Mode == u"Custom")
        rules = RuleSet::custom(settings.SetsToWin, settings.SetPoints, settings.DecidingSetPoints, settings.WinByTwo);
    else
        return RuleSet::off();
    rules.serveFollowsPoint = settings.ServeFollowsPoint;
    rules.timeoutBuzzer = settings.TimeoutBuzzer;
    return rules;
}

} // namespace RulesChoice
