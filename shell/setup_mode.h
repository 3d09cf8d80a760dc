#pragma once
// Setting up a position on the board. The game is put aside while the board
// takes the position; Done starts a game from it as from a pasted position,
// Cancel puts the game back as it was. Going in and each way out replace
// the game through the window's one way of doing so.

#include <QObject>
#include <functional>
#include <memory>

class QMainWindow;

namespace velmora {

class BoardWidget;
class SetupBar;
class TurnController;
struct GameState;
struct MoveListing;

class SetupMode : public QObject {
  Q_OBJECT
 public:
  // What set-up mode asks of the window.
  struct Window {
    QMainWindow* widget;
    BoardWidget* board;
    // Replaces the game: `replace` runs once nothing of the old game runs.
    std::function<void(const std::function<void()>& replace)> replaceGame;
    // Asks whether to save this game; false when it is to be kept.
    std::function<bool(GameState& game, MoveListing& listing)> promptSave;
    std::function<void()> placeWindow;
    std::function<void()> refresh;
  };

  SetupMode(GameState& game, MoveListing& listing, GameState& scratch, TurnController& turn, Window window,
            QObject* parent = nullptr);
  ~SetupMode() override;

  bool active() const { return backup_ != nullptr; }
  void begin();
  // Done: a game from the position, once the game before is saved or let go.
  void finish();
  void cancel();

 private:
  void show();
  // The board takes clicks for moves again and the menu is back.
  void leave();
  void connectBar();

  GameState& game_;
  MoveListing& listing_;
  GameState& scratch_;
  TurnController& turn_;
  Window window_;
  SetupBar* bar_ = nullptr;            // made when first set up
  std::unique_ptr<GameState> backup_;  // the game while a position is set up
  std::unique_ptr<MoveListing> listingBackup_;
};

}  // namespace velmora
