#pragma once
// What the build embeds per variant (the opening books, the pattern
// weights), read once at its first use by whichever thread asks first.

#include <array>
#include <memory>
#include <mutex>
#include <string_view>

#include "core/rules/board.h"

namespace velmora {

// The table of `type` read from its embedded text by `read` (text ->
// optional<T>), or null where the variant has no text or it does not read.
// Each caller's `read` is its own type, so each kind of table has its own.
template <class T, class Read>
const T* builtInTable(GameType type, std::string_view (*textOf)(GameType), Read read) {
  static std::array<std::unique_ptr<T>, kVariantCount> tables;
  static std::once_flag readOnce;
  std::call_once(readOnce, [&] {
    for (GameType t = 0; t < kVariantCount; ++t) {
      const std::string_view text = textOf(t);
      if (text.empty()) continue;
      if (auto table = read(text, t)) tables[static_cast<std::size_t>(t)] = std::make_unique<T>(std::move(*table));
    }
  });
  return type >= 0 && type < kVariantCount ? tables[static_cast<std::size_t>(type)].get() : nullptr;
}

}  // namespace velmora
