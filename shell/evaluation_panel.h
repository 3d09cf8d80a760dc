#pragma once
// The Expert's score of the shown position, in the panel beside the board:
// searched on a worker of its own whenever the shown position changes. An
// outside engine that advises scores it instead, in a program of its own.
// A position the endgame databases hold is shown by what they know, unsearched.

#include <memory>
#include <string>

#include "core/game/position_score.h"
#include "shell/expert_worker.h"

namespace velmora {

class BoardWidget;
class EndgameLibrary;
class OutsideEngine;
struct GameState;
struct MoveListing;

class EvaluationPanel {
 public:
  EvaluationPanel(const GameState& game, const MoveListing& listing, BoardWidget* board, const EndgameLibrary& endgames,
                  ExpertWorker::Deliver deliver);
  ~EvaluationPanel();

  // Follows the shown position: no panel and no search unless `shown`.
  void update(bool shown);
  // Stops a search under way and forgets the score.
  void stop();
  const PositionScore& score() const { return score_; }

 private:
  const GameState& game_;
  const MoveListing& listing_;
  BoardWidget* board_;
  const EndgameLibrary& endgames_;
  PositionScore score_;
  // The outside engine's score of `search`.
  void askOutsideEngine(const std::shared_ptr<GameState>& search, const std::string& key);

  std::string key_;  // the position score_ is for, or is being searched for
  std::unique_ptr<OutsideEngine> outside_;
  ExpertWorker worker_;  // last: stopped before what its job's calls reach
};

}  // namespace velmora
