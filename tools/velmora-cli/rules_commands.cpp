// perft, moves and result: the rules engine's commands.

#include <cstdio>
#include <memory>

#include "cli_common.h"
#include "core/ai/match.h"
#include "core/game/game_state.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/rules/perft.h"

namespace velmora::cli {

namespace {

const char kMovesUsage[] =
    "usage: velmora-cli moves VARIANT POSITION | moves VARIANT [POSITION] --moves MOVE ... [--rules official]";
const char kResultUsage[] = "usage: velmora-cli result VARIANT [POSITION] [--moves MOVE ...] [--rules official]";

// VARIANT, then POSITION unless moves are given, where it may stand or not:
// the position, or the variant's start, with the moves played on it.
bool readGame(GameState& state, int argc, char** argv, const std::optional<std::vector<std::string>>& moves,
              bool official, std::vector<std::uint64_t>* keys = nullptr) {
  const auto type = readVariant(argv[0]);
  if (!type) {
    fail(unknownVariant(argv[0]));
    return false;
  }
  state.officialRules = official ? 1 : 0;
  return setUpGame(state, *type, argc == 2 ? argv[1] : nullptr, false, moves.value_or(std::vector<std::string>{}),
                   keys);
}

const char* resultName(GameResult result) {
  switch (result) {
    case WhiteWins: return "white";
    case BlackWins: return "black";
    case Draw: return "draw";
    default: return "none";
  }
}

const char* endName(GameResult result, GameEnd end) {
  if (result == GameGoesOn) return "none";
  return end == GameEnd::Repetition ? "repetition" : end == GameEnd::MoveLimit ? "limit" : "rules";
}

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
  const RulesOption rules = takeRules(argc, argv);
  if (!rules.valid) return fail(rules.problem);
  if (argc < 2 || argc > 3) return fail("usage: velmora-cli perft VARIANT DEPTH [POSITION] [--rules official]");
  const auto type = readVariant(argv[0]);
  if (!type) return fail(unknownVariant(argv[0]));
  const auto depth = readInteger(argv[1]);
  if (!depth || *depth < 1 || *depth > kMaxPerftDepth)
    return fail("DEPTH must be a whole number from 1 to " + std::to_string(kMaxPerftDepth));
  auto state = std::make_unique<GameState>();
  if (!setUpPosition(*state, *type, argc == 3 ? argv[2] : nullptr)) return kNotDone;
  state->officialRules = rules.official ? 1 : 0;

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
  const RulesOption rules = takeRules(argc, argv);
  if (!rules.valid) return fail(rules.problem);
  const auto moves = takeMoves(argc, argv, 0);
  if (!(argc == 2 || (moves && argc == 1))) return fail(kMovesUsage);
  auto state = std::make_unique<GameState>();
  if (!readGame(*state, argc, argv, moves, rules.official)) return kNotDone;

  generateMoves(state->legalMoves, *state, state->sideToMove());
  for (int i = 0; i < state->moveCount; ++i) {
    const MoveRecord& m = state->legalMoves[i];
    std::printf("%s %s %s\n", moveText(m).c_str(), capturedSquares(m).c_str(), kindName(m.finalStep().kindAfter));
  }
  return 0;
}

int resultCommand(int argc, char** argv) {
  const RulesOption rules = takeRules(argc, argv);
  if (!rules.valid) return fail(rules.problem);
  const auto moves = takeMoves(argc, argv, 0);
  if (argc != 1 && argc != 2) return fail(kResultUsage);
  auto state = std::make_unique<GameState>();
  std::vector<std::uint64_t> keys;
  if (!readGame(*state, argc, argv, moves, rules.official, &keys)) return kNotDone;
  GameEnd end;
  const GameResult result = matchResult(*state, keys, end);
  std::printf("result %s\nend %s\n", resultName(result), endName(result, end));
  return 0;
}

}  // namespace velmora::cli
