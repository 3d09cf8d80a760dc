#include "core/game/position_score.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/game/game_state.h"
#include "core/platform/translation.h"
#include "core/records/listing.h"
#include "core/records/notation.h"

namespace velmora {

std::string scoreText(int whiteScore) {
  const int size = std::abs(whiteScore);
  // Both kinds of win count down from their base by the plies to the end;
  // the databases' lie below the search's own, far above any evaluation.
  const int base = size > kExpertWinFound                                                ? kExpertWin
                   : size >= kExpertDatabaseWin - (kExpertMaxPly + kLongestEndgamePlies) ? kExpertDatabaseWin
                                                                                         : 0;
  if (base != 0) {
    const int plies = std::max(0, base - size);
    return std::string(whiteScore > 0 ? "+" : "-") + "win " + std::to_string(movesOfPlies(plies));
  }
  if (whiteScore == 0) return "0.00";
  char text[32];
  std::snprintf(text, sizeof text, "%c%d.%02d", whiteScore > 0 ? '+' : '-', std::abs(whiteScore) / 100,
                std::abs(whiteScore) % 100);
  return text;
}

std::string endgameVerdict(const EndgameResult& known) {
  const std::string moves = std::to_string(movesOfPlies(known.plies));
  switch (known.outcome) {
    case EndgameOutcome::Win: return fillIn(say("win in %1"), moves);
    case EndgameOutcome::Loss: return fillIn(say("loss in %1"), moves);
    default: return say("draw");
  }
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

PositionScore knownPositionScore(const EndgameResult& known, int sideToMove) {
  if (known.outcome == EndgameOutcome::Draw) return {true, "1/2-1/2", say("Draw")};
  const bool whiteWins = (known.outcome == EndgameOutcome::Win) == (sideToMove == White);
  const std::string moves = std::to_string(movesOfPlies(known.plies));
  if (whiteWins) return {true, "1-0", fillIn(say("White wins in %1"), moves)};
  return {true, "0-1", fillIn(say("Black wins in %1"), moves)};
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
