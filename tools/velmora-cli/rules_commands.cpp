// perft and moves: the rules engine's commands.

#include <cstdio>
#include <memory>

#include "cli_common.h"
#include "core/game/game_state.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/rules/perft.h"

namespace velmora::cli {

namespace {

const char* kindName(int kind) { return kind == King ? "king" : "man"; }

std::string capturedSquares(const MoveRecord& m) {
  if (m.captureCount == 0) return "-";
  std::string text;
  for (int k = 0; k < m.captureCount; ++k) {
    if (k > 0) text += ',';
    text += squareName(m.steps[k].capturedX, m.steps[k].capturedY);
  }
  return text;
}

}  // namespace

int perftCommand(int argc, char** argv) {
  if (argc < 2 || argc > 3) return fail("usage: velmora-cli perft VARIANT DEPTH [POSITION]");
  const auto type = readVariant(argv[0]);
  if (!type) return fail(unknownVariant(argv[0]));
  const auto depth = readInteger(argv[1]);
  if (!depth || *depth < 1 || *depth > kMaxPerftDepth)
    return fail("DEPTH must be a whole number from 1 to " + std::to_string(kMaxPerftDepth));
  auto state = std::make_unique<GameState>();
  if (!setUpPosition(*state, *type, argc == 3 ? argv[2] : nullptr)) return kUsageError;

  const int side = state->sideToMove();
  for (int d = 1; d <= *depth; ++d) {
    const double start = secondsNow();
    const std::uint64_t leaves = perft(*state, side, d);
    const double seconds = secondsNow() - start;
    std::printf("%d %llu %.3f %lld\n", d, static_cast<unsigned long long>(leaves), seconds,
                perSecond(static_cast<double>(leaves), seconds));
    std::fflush(stdout);
  }
  return 0;
}

int movesCommand(int argc, char** argv) {
  if (argc != 2) return fail("usage: velmora-cli moves VARIANT POSITION");
  const auto type = readVariant(argv[0]);
  if (!type) return fail(unknownVariant(argv[0]));
  auto state = std::make_unique<GameState>();
  if (!setUpPosition(*state, *type, argv[1])) return kUsageError;

  generateMoves(state->legalMoves, *state, state->sideToMove());
  for (int i = 0; i < state->moveCount; ++i) {
    const MoveRecord& m = state->legalMoves[i];
    std::printf("%s %s %s\n", moveText(m).c_str(), capturedSquares(m).c_str(), kindName(m.finalStep().kindAfter));
  }
  return 0;
}

}  // namespace velmora::cli
