#include "core/ai/analysis.h"

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "core/rules/game_record.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"

namespace velmora {

namespace {

bool sameMove(const MoveRecord& a, const MoveRecord& b) {
  return usedBytes(a) == usedBytes(b) && std::memcmp(&a, &b, usedBytes(a)) == 0;
}

// The index of the recorded move among the legal moves of the side to move.
int indexOf(RecordedPosition& game, const MoveRecord& move) {
  generateMoves(game.legalMoves, game, game.sideToMove());
  for (int i = 0; i < game.moveCount; ++i)
    if (sameMove(game.legalMoves[i], move)) return i;
  return -1;
}

}  // namespace

MoveMark markOf(int bestScore, int playedScore) {
  const int loss = bestScore - playedScore;
  return loss >= kBlunderLoss ? MoveMark::Blunder : loss >= kMistakeLoss ? MoveMark::Mistake : MoveMark::None;
}

const char* markText(MoveMark mark) {
  switch (mark) {
    case MoveMark::Mistake: return "?";
    case MoveMark::Blunder: return "??";
    default: return "";
  }
}

std::vector<PlyAnalysis> analyseGame(const RecordedPosition& game, int plies, Engine& engine,
                                     const EngineLimits& limits, AnalysisProgress progress, void* context) {
  auto board = std::make_unique<RecordedPosition>(game);
  setUpStartOf(*board, *board, game.gameType, game.start);
  board->plyCount = 0;
  std::vector<PlyAnalysis> out;
  // The Expert's score of each position for its side to move, the position
  // after the last move included.
  std::vector<int> scores;
  // Each position's text: a move played again where it was played before
  // gets the same judgement, though the second search saw the repetition
  // coming and scored it otherwise.
  std::vector<std::string> positions;
  std::map<std::pair<std::string, int>, std::size_t> judged;
  for (int k = 0; k <= plies; ++k) {
    EngineLimits expert = limits;
    expert.level = kExpertLevel;
    expert.scoreForcedMove = true;
    engine.setPosition(*board, *board);
    const EngineResult r = engine.think(expert);
    if (engine.stopping()) break;
    scores.push_back(r.score);
    if (k > 0) {
      PlyAnalysis& a = out.back();
      // The move played is worth what the position it led to is worth to
      // the other side. A move the Expert chose itself keeps its own score:
      // the two searches may disagree by the odd point.
      a.playedScore = a.played == a.best ? a.bestScore : -r.score;
      a.mark = markOf(a.bestScore, a.playedScore);
      const auto [first, isNew] = judged.try_emplace({positions[k - 1], a.played}, k - 1);
      if (!isNew) a.mark = out[first->second].mark;
    }
    if (progress) progress(context, k + 1, plies + 1);
    if (k == plies) break;
    PlyAnalysis a;
    a.best = r.rootIndex;
    a.bestScore = r.score;
    a.played = indexOf(*board, game.gameRecord[k]);
    out.push_back(a);
    positions.push_back(writePosition(*board));
    applyMove(game.gameRecord[k], board->gameRecord[k], *board);
    ++board->plyCount;
  }
  // A move whose following position was not searched has no score yet.
  if (!out.empty() && scores.size() <= out.size()) out.pop_back();
  return out;
}

std::optional<KnownPosition> firstKnownPosition(const RecordedPosition& game, int plies, const EndgameSet& endgames) {
  auto board = std::make_unique<RecordedPosition>(game);
  setUpStartOf(*board, *board, game.gameType, game.start);
  board->plyCount = 0;
  for (int k = 0;; ++k) {
    const int side = board->sideToMove();
    if (const auto known = endgames.probe(*board, side)) return KnownPosition{k, side, *known};
    if (k == plies) return std::nullopt;
    applyMove(game.gameRecord[k], board->gameRecord[k], *board);
    ++board->plyCount;
  }
}

}  // namespace velmora
