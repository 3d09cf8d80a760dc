// Move text from outside (a saved game, a peer): a text is either refused
// with the position untouched, or plays exactly one of the legal moves.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "core/game/game_state.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"

using namespace velmora;

namespace {

// Positions with captures of several paths, flying kings and a 12 x 12 board.
const char* const kPositions[][2] = {
    {"American", "W:.b.b.b.b/b.b.b.b./.b.b.b.b/......../......../w.w.w.w./.w.w.w.w/w.w.w.w."},
    {"International",
     "W:........../........../........../........../........../........../.b.b....../W........./.b.b....../.........."},
    {"Russian", "W:......../......../.b.b..../......../.b.b..../......../.b....../w......."},
    {"Frisian",
     "W:........../........../........../........../........../........../........../........../...b.b..../..W.b....."},
    {"Gothic", "W:......../......../......../......../......../......../bb....../Wb......"},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const auto& pick = kPositions[data[0] % (sizeof kPositions / sizeof kPositions[0])];
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  auto state = std::make_unique<GameState>();
  if (readPosition(pick[1], gameTypeFromName(pick[0]), *state)) std::abort();  // an error text
  auto before = std::make_unique<GameState>(*state);
  if (!playMoveText(*state, text)) {
    if (std::memcmp(state->board, before->board, sizeof state->board) != 0) std::abort();
    return 0;
  }
  // What was played is one of the legal moves of the position.
  generateMoves(before->legalMoves, *before, before->sideToMove());
  const std::string played = formatMove(*state, state->plyCount - 1);
  for (int i = 0; i < before->moveCount; ++i)
    if (moveText(before->legalMoves[i]) == played) return 0;
  std::abort();
}
