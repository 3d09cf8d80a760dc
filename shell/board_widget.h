#pragma once
// The main window's client area: paints the composed picture and turns mouse
// events, and keys while it has the focus, into move entry. The listing box
// is its child.

#include <QImage>
#include <QListWidget>
#include <QWidget>
#include <functional>

#include "core/game/keyboard_entry.h"
#include "core/game/mouse_entry.h"
#include "shell/paint/skins.h"

namespace velmora {

struct GameState;
struct MoveListing;
struct PositionScore;

class BoardWidget : public QWidget {
  Q_OBJECT
 public:
  BoardWidget(GameState& game, MoveListing& listing, QWidget* parent = nullptr);

  QListWidget* listingBox() const { return listingBox_; }
  void setSkins(SkinSet skins);
  const SkinSet& skins() const { return skins_; }

  // Where the board is now, for mouse entry.
  BoardView view() const;
  // The listing box placed by the layout.
  void placeListingBox();
  QSize layoutSize() const;
  // The square size shown: the chosen one, or the largest smaller one that
  // the screen holds.
  int cell() const { return cell_; }
  void setCell(int cell) { cell_ = cell; }
  // While a position is set up, a click on a square goes here (`right` for
  // the other button) instead of to move entry; empty ends that.
  // The Expert's score shown in the panel instead of the logo; null: the logo.
  void setEvaluation(const PositionScore* evaluation) { evaluation_ = evaluation; }
  void setSetupClicks(std::function<void(int x, int y, bool right)> clicks) { setupClicks_ = std::move(clicks); }

  // Moves by keyboard, while the board has the focus (Tab): the cursor
  // square, and the move being typed.
  const KeyboardEntry& keyboardEntry() const { return keys_; }
  // The accessible text follows the game on the board.
  void describeForScreenReaders();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  GameState& game_;
  MoveListing& listing_;
  QListWidget* listingBox_;
  SkinSet skins_;
  QImage backBuffer_;  // the widget's size in device pixels, remade when that changes
  int cell_ = 64;
  QPoint cursor_;  // last mouse position, where the dragged piece is drawn
  std::function<void(int, int, bool)> setupClicks_;
  const PositionScore* evaluation_ = nullptr;
  KeyboardEntry keys_;
};

}  // namespace velmora
