#pragma once
// The pattern weights' texts as the build embeds them from res/patterns.

#include <string_view>

#include "core/rules/board.h"

namespace velmora {

// The text of a variant's weights, empty where it has none.
std::string_view builtInPatternText(GameType type);

}  // namespace velmora
