#include "core/rules/rule_family.h"

namespace velmora {

const FamilyRules& familyRulesOf(GameType type) { return familyRules(variantInfo(type).rules); }

}  // namespace velmora
