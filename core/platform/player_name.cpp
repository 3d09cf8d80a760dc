#include "core/platform/player_name.h"

#include <cstdint>

#include "core/platform/text.h"
#include "core/platform/translation.h"

namespace velmora {

std::string playerNameFrom(std::string_view text, size_t maxBytes) {
  std::string name = toUtf8(text);
  // A control character in a name would end a line of a saved game, the
  // settings or the network header, and split the name into lines of its own.
  std::string kept;
  kept.reserve(name.size());
  for (size_t i = 0; i < name.size(); ++i) {
    const auto byte = static_cast<std::uint8_t>(name[i]);
    const bool c1 = byte == 0xC2 && i + 1 < name.size() && static_cast<std::uint8_t>(name[i + 1]) < 0xA0;
    if (byte < 0x20 || byte == 0x7F || c1) {
      kept += ' ';
      i += c1 ? 1 : 0;
    } else {
      kept += name[i];
    }
  }
  return cutUtf8(kept, maxBytes);
}

std::string shownName(std::string_view name) { return name == kComputerName ? say("Computer") : std::string(name); }

}  // namespace velmora
