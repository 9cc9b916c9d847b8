#pragma once

#include "match/RuleSet.h"

struct Settings;

// The rule set the operator chose in the options, as the match takes it.
namespace RulesChoice {

// The [Rules] settings as a rule set: the mode picks Indoor's or Beach's numbers or the custom ones, and
// the assistance options come along. A mode the program does not know counts as Off.
RuleSet ruleSet(const Settings &settings);

} // namespace RulesChoice
