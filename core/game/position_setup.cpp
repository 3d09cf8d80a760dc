#include "core/game/position_setup.h"

#include <cstring>
#include <memory>

#include "core/game/game_state.h"
#include "core/platform/translation.h"
#include "core/records/fen.h"
#include "core/records/notation.h"
#include "core/rules/rule_family.h"

namespace velmora {

namespace {

// The lowest and highest rows a side's men stand on at the start.
struct MenRows {
  int first[2];
  int count[2];  // pieces a side starts with
};

MenRows startOf(GameType type) {
  auto start = std::make_unique<GameState>();
  setUpBoard(*start, type);
  MenRows rows{{kMaxBoardSize, -1}, {0, 0}};
  const int n = start->boardSize;
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      const Cell& c = start->board[y][x];
      if (c.kind == Empty) continue;
      ++rows.count[c.side];
      if (c.side == White && y < rows.first[White]) rows.first[White] = y;
      if (c.side == Black && y > rows.first[Black]) rows.first[Black] = y;
    }
  return rows;
}

}  // namespace

bool setupSquarePlayable(GameType type, int x, int y) { return playableSquare(type, x, y); }

void cycleSetupSquare(GameState& setup, int x, int y, bool backwards) {
  if (!setupSquarePlayable(setup.gameType, x, y)) return;
  static const Cell kOrder[5] = {{Empty, White}, {Man, White}, {King, White}, {Man, Black}, {King, Black}};
  Cell& cell = setup.board[y][x];
  int at = 0;
  for (int i = 1; i < 5; ++i)
    if (cell.kind == kOrder[i].kind && cell.side == kOrder[i].side) at = i;
  cell = kOrder[(at + (backwards ? 4 : 1)) % 5];
  setup.boardWritten();
}

void clearSetup(GameState& setup, GameType type) {
  const int side = setup.start.side;
  setUpBoard(setup, type);
  std::memset(setup.board, 0, sizeof setup.board);
  setup.boardWritten();
  setup.start.side = side;
  setup.plyCount = 0;
}

void startPositionSetup(GameState& setup, GameType type) {
  const int side = setup.start.side;
  setUpBoard(setup, type);
  setup.start.side = side;
  setup.plyCount = 0;
}

std::optional<std::string> setupProblem(const GameState& setup) {
  const GameType type = setup.gameType;
  const int n = setup.boardSize;
  const MenRows start = startOf(type);
  // Every problem, one line each, so that the player mends them at once.
  std::string problems;
  const auto add = [&problems](const std::string& line) { problems += (problems.empty() ? "" : "\n") + line; };
  int count[2] = {0, 0};
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      const Cell& c = setup.board[y][x];
      if (c.kind == Empty) continue;
      const int side = c.side;
      ++count[side];
      if (c.kind != Man) continue;
      const bool behind = side == White ? y < start.first[White] : y > start.first[Black];
      if (y == (side == White ? n - 1 : 0))
        add(fillIn(say(side == White ? "A white man stands on its crowning row, on %1."
                                     : "A black man stands on its crowning row, on %1."),
                   squareName(x, y)));
      else if (behind && menNeverGoBack(familyRulesOf(type)))
        add(fillIn(say(side == White ? "A white man stands on %1, where white men never come."
                                     : "A black man stands on %1, where black men never come."),
                   squareName(x, y)));
    }
  for (int side : {White, Black}) {
    if (count[side] == 0) add(say(side == White ? "White has no piece." : "Black has no piece."));
    if (count[side] > start.count[side])
      add(fillIn(say(side == White ? "White has %1 pieces; a %2 game starts with %3."
                                   : "Black has %1 pieces; a %2 game starts with %3."),
                 std::to_string(count[side]), say(gameTypeName(type)), std::to_string(start.count[side])));
  }
  if (problems.empty()) return std::nullopt;
  return problems;
}

std::string setupFen(const GameState& setup) {
  auto copy = std::make_unique<GameState>(setup);
  copy->plyCount = 0;
  return writeFen(*copy);
}

}  // namespace velmora
