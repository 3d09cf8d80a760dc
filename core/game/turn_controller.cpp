#include "core/game/turn_controller.h"

#include "core/game/computer_move.h"
#include "core/game/game_state.h"
#include "core/game/play.h"
#include "core/records/listing.h"

namespace velmora {

Activity TurnController::activity(const NetworkFacts& network) const {
  if (settingUp_) return Activity::SettingUp;
  if (analysing_) return Activity::Analysing;
  if (network.transferring) return Activity::Transferring;
  if (game_.thinking) return Activity::Thinking;
  if (game_.showingMove) return Activity::ShowingMove;
  if (!game_.gameRunning) {
    if (listing_.lines.empty() || !listing_.atLastLine()) return Activity::Idle;
    return checkGameEnd(game_, listing_, false) == GameGoesOn ? Activity::Idle : Activity::GameOver;
  }
  if (paused_) return Activity::Paused;
  if (listing_.atLastLine() && checkGameEnd(game_, listing_, false) != GameGoesOn) return Activity::GameOver;
  return game_.players[listing_.sideToMove()].type == HumanPlayer ? Activity::HumanToMove : Activity::Idle;
}

TurnStart TurnController::onTick(const NetworkFacts& network) {
  if (holding() || settingUp_ || analysing_ || network.transferring) return TurnStart::Nothing;
  // A local move that ended the game still goes out: before the running check.
  if (network.wantsExchange) return TurnStart::NetworkExchange;
  if (paused_ || !game_.gameRunning) return TurnStart::Nothing;
  return computerShouldMove(game_, listing_) ? TurnStart::ComputerMove : TurnStart::Nothing;
}

void TurnController::modalClosed() {
  if (modalDepth_ > 0) --modalDepth_;
}

void TurnController::deliver(std::function<void()> event) {
  if (!holding() && !running_ && waiting_.empty()) return event();
  waiting_.push_back(std::move(event));
}

void TurnController::runWaiting() {
  if (running_) return;
  running_ = true;
  // An event may open a modal window itself: the rest waits for it to close.
  while (!holding() && !waiting_.empty()) {
    auto event = std::move(waiting_.front());
    waiting_.pop_front();
    event();
  }
  running_ = false;
}

void TurnController::gameReplaced() {
  waiting_.clear();
  asking_ = false;
}

void TurnController::togglePause() { paused_ = !paused_ && bothComputers(); }

void TurnController::dropPauseUnlessComputers() {
  if (!bothComputers()) paused_ = false;
}

bool TurnController::escapeAsksBreak(const NetworkFacts& network) const {
  return !asking_ && (game_.thinking || network.transferring);
}

bool TurnController::commandsAllowed(const NetworkFacts& network) const {
  return !settingUp_ && !analysing_ && !game_.thinking && !game_.showingMove && !network.transferring;
}

bool TurnController::bothComputers() const {
  return game_.players[White].type == ComputerPlayer && game_.players[Black].type == ComputerPlayer;
}

}  // namespace velmora
