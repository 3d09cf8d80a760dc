#include "shell/evaluation_panel.h"

#include <cstdio>
#include <memory>

#include "core/game/game_state.h"
#include "core/game/settings.h"
#include "core/platform/translation.h"
#include "core/records/listing.h"
#include "core/rules/game_result.h"
#include "core/rules/position_text.h"
#include "shell/board_widget.h"
#include "shell/endgame_library.h"
#include "shell/outside_engine.h"

namespace velmora {

EvaluationPanel::EvaluationPanel(const GameState& game, const MoveListing& listing, BoardWidget* board,
                                 const EndgameLibrary& endgames, ExpertWorker::Deliver deliver)
    : game_(game),
      listing_(listing),
      board_(board),
      endgames_(endgames),
      outside_(std::make_unique<OutsideEngine>(deliver)),
      worker_(std::move(deliver), std::size_t{1} << 18) {}

EvaluationPanel::~EvaluationPanel() = default;

void EvaluationPanel::stop() {
  worker_.stop();
  outside_->stop();
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
  // What the databases know is exact: no search, no engine can better it.
  const EndgameSet* endgames = endgames_.setFor(*search);
  if (endgames) {
    if (const auto known = endgames->probe(*search, listing_.sideToMove())) {
      worker_.stop();
      outside_->close();
      score_ = knownPositionScore(*known, listing_.sideToMove());
      board_->update();
      return;
    }
  }
  if (outsideEngineSettings.advises && !outsideEngineSettings.command.empty() && !search->officialRules) {
    askOutsideEngine(search, key);
    return;
  }
  outside_->close();
  worker_.start([this, key, search, endgames](Engine& engine, const ExpertWorker::Post& post) {
    EngineLimits limits;
    limits.moveTimeMs = kEvaluationTimeMs;
    engine.setPosition(*search, *search);
    engine.setEndgames(endgames ? endgames->board8.get() : nullptr, endgames ? endgames->board10.get() : nullptr);
    const PositionScore score = scorePosition(engine, limits);
    post([this, key, score] {
      if (key != key_) return;
      score_ = score;
      board_->update();
    });
  });
}

void EvaluationPanel::askOutsideEngine(const std::shared_ptr<GameState>& search, const std::string& key) {
  worker_.stop();
  outside_->setCommand(outsideEngineSettings.command, search->gameType);
  auto latest = std::make_shared<PositionScore>();
  outside_->start(
      *search, kEvaluationTimeMs,
      [search, latest](const EngineProgress& p, const std::string& line) {
        latest->found = true;
        latest->score = scoreText(whiteScore(*search, p.score));
        // As many moves as the Expert's line shows.
        latest->line.clear();
        int moves = 0;
        for (size_t at = 0; at < line.size() && moves < kEvaluationLineMoves; ++moves) {
          const size_t end = std::min(line.find(' ', at), line.size());
          if (!latest->line.empty()) latest->line += ' ';
          latest->line += line.substr(at, end - at);
          at = end + 1;
        }
      },
      [this, key, latest](ComputerChoice) {
        if (key != key_) return;
        score_ = *latest;
        board_->update();
      },
      [this, key](const std::string& why) {
        // The panel has room for a few words: the reason goes where a
        // reason is read, and Hint shows it in full.
        std::fprintf(stderr, "velmora: %s\n", why.c_str());
        if (key != key_) return;
        score_.found = true;
        score_.score = "?";
        score_.line = say("No score from the engine");
        board_->update();
      });
}

}  // namespace velmora
