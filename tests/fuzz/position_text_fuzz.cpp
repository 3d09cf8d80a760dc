// The position text: whatever is read is written back as it would be read
// again, and a text that is refused leaves a message, never a crash.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/game/game_state.h"
#include "core/rules/position_text.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const GameType type = data[0] % kVariantCount;
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  auto state = std::make_unique<GameState>();
  if (readPosition(text, type, *state)) return 0;  // refused, with its message
  const std::string written = writePosition(*state);
  auto again = std::make_unique<GameState>();
  if (readPosition(written, type, *again) || writePosition(*again) != written) std::abort();
  return 0;
}
