#pragma once
// The opening books' texts as the build embeds them from res/books.

#include <string_view>

#include "core/rules/board.h"

namespace velmora {

// The text of a variant's book, empty where it has none.
std::string_view builtInBookText(GameType type);

}  // namespace velmora
