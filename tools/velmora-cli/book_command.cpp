// book: the Expert's opening book of a variant, made by its own searches.

#include <algorithm>
#include <cstdio>
#include <deque>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "cli_common.h"
#include "core/ai/engine.h"
#include "core/ai/opening_book.h"
#include "core/game/game_state.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"

namespace velmora::cli {

namespace {

const char kBookUsage[] = "usage: velmora-cli book VARIANT PLIES [--depth D | --movetime MS] [--keep K]";

// A position to look at: the moves from the start that reach it.
using Line = std::vector<std::string>;

struct Scored {
  int index;
  int score;
};

// Every move of the position after `line`, scored by the Expert's search of
// the position it leads to, the best first.
std::vector<Scored> scoreMoves(GameState& state, GameType type, const Line& line, const EngineLimits& limits,
                               Engine& engine) {
  setUpGame(state, type, nullptr, false, line);
  const int side = state.sideToMove();
  generateMoves(state.legalMoves, state, side);
  std::vector<std::string> texts;
  for (int i = 0; i < state.moveCount; ++i) texts.push_back(moveText(state.legalMoves[i]));
  std::vector<Scored> scored;
  auto child = std::make_unique<GameState>();
  for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
    Line next = line;
    next.push_back(texts[static_cast<std::size_t>(i)]);
    setUpGame(*child, type, nullptr, false, next);
    engine.setPosition(*child, *child);
    const EngineResult answer = engine.think(limits);
    // No answer: the move leaves the other side without one.
    scored.push_back({i, answer.rootIndex < 0 ? kExpertWin : -answer.score});
  }
  std::stable_sort(scored.begin(), scored.end(), [](const Scored& a, const Scored& b) { return a.score > b.score; });
  return scored;
}

}  // namespace

// Goes through the positions the book's own moves reach, to PLIES from the
// start. Each position with a choice gets the moves within the margin of
// the best, at most K; their positions are looked at in turn, both sides'.
int bookCommand(int argc, char** argv) {
  LimitOptions options = takeLimits(argc, argv, 0);
  if (!options.valid) return fail(options.problem);
  int keep = 3;
  if (const auto given = takeOption(argc, argv, "--keep")) {
    const auto k = readInteger(*given);
    if (!k || *k < 1 || *k > 10) return fail("--keep takes a number from 1 to 10");
    keep = static_cast<int>(*k);
  }
  if (argc != 2) return fail(kBookUsage);
  const auto type = readVariant(argv[0]);
  if (!type) return fail(unknownVariant(argv[0]));
  const auto plies = readInteger(argv[1]);
  if (!plies || *plies < 1 || *plies > 40) return fail("PLIES is a number from 1 to 40");
  EngineLimits limits = options.limits;
  if (limits.moveTimeMs == 0 && limits.maxDepth == kExpertMaxDepth && limits.maxNodes == 0) limits.maxDepth = 12;
  limits.level = kExpertLevel;
  limits.scoreForcedMove = true;  // a reply's score matters, forced or not

  OpeningBook book;
  std::set<std::string> seen;
  std::deque<Line> waiting{Line{}};
  auto state = std::make_unique<GameState>();
  Engine engine;
  const double start = secondsNow();
  while (!waiting.empty()) {
    const Line line = waiting.front();
    waiting.pop_front();
    setUpGame(*state, *type, nullptr, false, line);
    const std::string position = positionText(state->board, state->boardSize, state->sideToMove());
    if (!seen.insert(position).second || gameOver(*state)) continue;
    generateMoves(state->legalMoves, *state, state->sideToMove());
    if (state->moveCount == 1) {  // no choice: the Expert answers it at once
      if (static_cast<long>(line.size()) + 1 < *plies) {
        Line next = line;
        next.push_back(moveText(state->legalMoves[0]));
        waiting.push_back(next);
      }
      continue;
    }
    const std::vector<Scored> scored = scoreMoves(*state, *type, line, limits, engine);
    setUpGame(*state, *type, nullptr, false, line);
    generateMoves(state->legalMoves, *state, state->sideToMove());
    std::vector<BookMove> moves;
    for (const Scored& s : scored) {
      if (static_cast<int>(moves.size()) == keep || s.score < scored[0].score - kBookMargin) break;
      const MoveRecord& move = state->legalMoves[s.index];
      moves.push_back({bookMoveText(move), s.score});
      if (static_cast<long>(line.size()) + 1 < *plies) {
        Line next = line;
        next.push_back(moveText(move));
        waiting.push_back(next);
      }
    }
    book.add(position, std::move(moves));
    std::fprintf(stderr, "book: %zu positions, ply %zu, %.0f s\n", book.size(), line.size(), secondsNow() - start);
  }
  std::printf("# %s: velmora-cli book %s %ld", variantInfo(*type).name, variantInfo(*type).name, *plies);
  if (limits.moveTimeMs > 0) std::printf(" --movetime %d", limits.moveTimeMs);
  if (limits.maxDepth != kExpertMaxDepth) std::printf(" --depth %d", limits.maxDepth);
  std::printf(" --keep %d\n%s", keep, book.text().c_str());
  return 0;
}

}  // namespace velmora::cli
