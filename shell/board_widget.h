#pragma once
// The main window's client area: paints the composed picture and turns mouse
// events, and keys while it has the focus, into move entry. The listing box
// is its child.

#include <QElapsedTimer>
#include <QImage>
#include <QListWidget>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "core/game/keyboard_entry.h"
#include "core/game/mouse_entry.h"
#include "shell/paint/renderer.h"
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
  // The Expert's score shown in the panel instead of the logo; null: the logo.
  void setEvaluation(const PositionScore* evaluation) { evaluation_ = evaluation; }
  // How the game stands, in the line under the panel.
  void setStatus(const QString& status) {
    if (status == status_) return;
    status_ = status;
    update();
  }
  const QString& status() const { return status_; }
  // While a position is set up, a click on a square goes here (`right` for
  // the other button) instead of to move entry; empty ends that.
  void setSetupClicks(std::function<void(int x, int y, bool right)> clicks) { setupClicks_ = std::move(clicks); }
  // A move is gliding to its square (when the settings let moves slide).
  bool sliding() const { return slide_.progress < 1; }

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
  // Compares the board with the one painted last: a single move or capture
  // step between them starts it gliding.
  void followBoard();

  GameState& game_;
  MoveListing& listing_;
  QListWidget* listingBox_;
  SkinSet skins_;
  QImage backBuffer_;  // the widget's size in device pixels, remade when that changes
  int cell_ = 64;
  QPoint cursor_;  // last mouse position, where the dragged piece is drawn
  std::function<void(int, int, bool)> setupClicks_;
  const PositionScore* evaluation_ = nullptr;
  QString status_;
  KeyboardEntry keys_;
  Board painted_ = {};  // the board as last painted
  PieceSlide slide_;
  QElapsedTimer slideClock_;
  QTimer slideTimer_;
};

}  // namespace velmora
