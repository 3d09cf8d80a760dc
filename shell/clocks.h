#pragma once
// The two timers that write the game while it is played: the marks that
// blink and the clock of the person to move. Each tick asks the turn
// controller first, so that nothing changes the game under a modal window;
// a clock stood still meanwhile catches up at its next tick.

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

namespace velmora {

class TurnController;
struct GameState;
struct MoveListing;

class Clocks : public QObject {
  Q_OBJECT
 public:
  // `repaint` is asked for when a mark or a clock changed.
  Clocks(GameState& game, const MoveListing& listing, const TurnController& turn, std::function<void()> repaint,
         QObject* parent = nullptr);

  void stop();
  // The game was replaced: the turn on the clock is counted from now.
  void gameReplaced() { turn_ = CountedTurn{}; }
  // How many ticks have counted a turn already taken: one more than before
  // means the clock has read the time since.
  int countedTicks() const { return countedTicks_; }

 private:
  void blinkTick();
  void clockTick();

  GameState& game_;
  const MoveListing& listing_;
  const TurnController& controller_;
  std::function<void()> repaint_;
  QTimer blinkTimer_, clockTimer_;
  // The turn the clock is counting: whose, at which line, since when.
  struct CountedTurn {
    int side = -1;
    int line = -1;
    std::uint32_t since = 0;
    int secondsBefore = 0;
  } turn_;
  int countedTicks_ = 0;
};

}  // namespace velmora
