#include "core/game/position_score.h"

#include <cstdio>
#include <cstdlib>

#include "core/game/game_state.h"
#include "core/platform/translation.h"
#include "core/records/listing.h"
#include "core/records/notation.h"

namespace velmora {

std::string scoreText(int whiteScore) {
  if (std::abs(whiteScore) > kExpertWinFound) {
    const int plies = kExpertWin - std::abs(whiteScore);
    return std::string(whiteScore > 0 ? "+" : "-") + "win " + std::to_string(plies);
  }
  if (whiteScore == 0) return "0.00";
  char text[32];
  std::snprintf(text, sizeof text, "%c%d.%02d", whiteScore > 0 ? '+' : '-', std::abs(whiteScore) / 100,
                std::abs(whiteScore) % 100);
  return text;
}

int whiteScore(const GameState& game, int score) { return game.sideToMove() == White ? score : -score; }

std::string lineText(const MoveRecord* line, int length, int moves) {
  std::string text;
  for (int i = 0; i < length && i < moves; ++i) {
    if (i > 0) text += ' ';
    text += moveText(line[i]);
  }
  return text;
}

void preparePositionScore(GameState& search, const MoveListing& listing) {
  // The board already shows the listed position; the record is cut there,
  // so that repetitions and the quiet run count up to it.
  search.plyCount = listing.shownMoves();
  search.thinking = 0;
}

PositionScore finishedGameScore(GameResult result) {
  switch (result) {
    case WhiteWins: return {true, "1-0", say("White wins")};
    case BlackWins: return {true, "0-1", say("Black wins")};
    default: return {true, "1/2-1/2", say("Draw")};
  }
}

PositionScore scorePosition(Engine& engine, const EngineLimits& limits) {
  EngineLimits expert = limits;
  expert.level = kExpertLevel;
  expert.scoreForcedMove = true;
  const EngineResult r = engine.think(expert);
  PositionScore out;
  if (r.depth == 0 && r.rootIndex >= 0) return out;
  out.found = true;
  const int side = engine.position().sideToMove();
  out.score = scoreText(side == White ? r.score : -r.score);
  out.line = lineText(r.pv, r.pvLength, kEvaluationLineMoves);
  return out;
}

}  // namespace velmora
