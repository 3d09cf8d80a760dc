#include "shell/evaluation_panel.h"

#include <memory>

#include "core/game/game_state.h"
#include "core/records/listing.h"
#include "core/rules/game_result.h"
#include "core/rules/position_text.h"
#include "shell/board_widget.h"

namespace velmora {

EvaluationPanel::EvaluationPanel(const GameState& game, const MoveListing& listing, BoardWidget* board,
                                 ExpertWorker::Deliver deliver)
    : game_(game), listing_(listing), board_(board), worker_(std::move(deliver), std::size_t{1} << 18) {}

void EvaluationPanel::stop() {
  worker_.stop();
  key_.clear();
  score_ = PositionScore{};
}

void EvaluationPanel::update(bool shown) {
  if (!shown) {
    stop();
    board_->setEvaluation(nullptr);
    return;
  }
  board_->setEvaluation(&score_);
  if (game_.showingMove) return;  // the position to score is the one the move ends in
  const std::string key = writePosition(game_) + " " + std::to_string(listing_.shownMoves());
  if (key == key_) return;
  key_ = key;
  score_ = PositionScore{};
  auto search = std::make_shared<GameState>(game_);
  preparePositionScore(*search, listing_);
  // An ended game has nothing left to search: its result is the score.
  if (listing_.atLastLine()) {
    if (const GameResult end = gameResult(*search, listing_.sideToMove(), listing_.shownMoves()); end != GameGoesOn) {
      worker_.stop();
      score_ = finishedGameScore(end);
      board_->update();
      return;
    }
  }
  worker_.start([this, key, search](Engine& engine, const ExpertWorker::Post& post) {
    EngineLimits limits;
    limits.moveTimeMs = kEvaluationTimeMs;
    engine.setPosition(*search, *search);
    const PositionScore score = scorePosition(engine, limits);
    post([this, key, score] {
      if (key != key_) return;
      score_ = score;
      board_->update();
    });
  });
}

}  // namespace velmora
