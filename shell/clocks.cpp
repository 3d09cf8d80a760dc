#include "shell/clocks.h"

#include "core/game/game_state.h"
#include "core/game/mouse_entry.h"
#include "core/game/turn_controller.h"
#include "core/platform/host.h"
#include "core/records/listing.h"

namespace velmora {

Clocks::Clocks(GameState& game, const MoveListing& listing, const TurnController& turn, std::function<void()> repaint,
               QObject* parent)
    : QObject(parent), game_(game), listing_(listing), controller_(turn), repaint_(std::move(repaint)) {
  connect(&blinkTimer_, &QTimer::timeout, this, &Clocks::blinkTick);
  connect(&clockTimer_, &QTimer::timeout, this, &Clocks::clockTick);
  blinkTimer_.start(20);
  clockTimer_.start(200);
}

void Clocks::stop() {
  blinkTimer_.stop();
  clockTimer_.stop();
}

void Clocks::blinkTick() {
  if (controller_.timersRun() && tickBlinking(game_)) repaint_();
}

void Clocks::clockTick() {
  if (!controller_.timersRun()) return;
  // A clock counts from the moment its side came to move, to the second,
  // not in whole ticks of the timer: a move just before a tick charges
  // nothing for it.
  const int side = listing_.sideToMove();
  if (!game_.gameRunning || game_.players[side].type == ComputerPlayer) {
    turn_ = CountedTurn{};
    return;
  }
  PlayerRecord& player = game_.players[side];
  const std::uint32_t now = host.tickCount();
  if (turn_.side != side || turn_.line != listing_.selected) {
    turn_ = CountedTurn{side, listing_.selected, now, player.clockSeconds};
    return;
  }
  ++countedTicks_;
  const int seconds = turn_.secondsBefore + static_cast<int>((now - turn_.since) / 1000);
  if (seconds == player.clockSeconds) return;
  player.clockSeconds = seconds;
  repaint_();
}

}  // namespace velmora
