#pragma once
// Painting the main window from the skin: board, coordinates, side panel and
// the dragged piece, composed off-screen and shown in one piece.

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QStringList>
#include <QStyledItemDelegate>
#include <optional>

#include "core/game/mouse_entry.h"
#include "core/rules/board.h"
#include "core/view/appearance.h"
#include "shell/paint/skins.h"

namespace velmora {

struct GameState;
struct MoveListing;
struct PositionScore;

QColor toQColor(Colour c);

// `text` in lines no wider than `width`, broken only at spaces; a word
// wider than `width` has a line of its own.
QStringList wrapBetweenWords(const QString& text, const QFontMetrics& metrics, int width);

// The font of every text of the main window and of the listing.
QFont boardFont(const AppearanceSettings& settings);

// Draws the N x N board of `game` with squares of `cell` pixels from `skin`
// at (x0, y0), then the picked-up piece at `cursor` minus the grab offset.
// The hint and last-move marks are the game's as they stand: painting only
// reads the game.
void drawBoard(QPainter& painter, const GameState& game, int cell, const QImage& skin, int x0, int y0,
               const AppearanceSettings& settings, bool previewMode, QPoint cursor);

// A move, or one step of a capture, gliding to its square: the piece now on
// `to` is drawn on its way from `from`, and the pieces it took fade.
struct PieceSlide {
  Square from{0, 0}, to{0, 0};
  double progress = 1;  // 0 at `from`, 1 arrived
  int capturedCount = 0;
  Square captured[kMaxBoardSize * kMaxBoardSize / 2];
  Cell capturedPiece[kMaxBoardSize * kMaxBoardSize / 2];
};

// Everything the main window shows but the listing box itself.
struct MainWindowPicture {
  const GameState& game;
  const MoveListing& listing;
  const SkinSet& skins;
  QRect listingBox;  // where the listing box is, in client coordinates
  QPoint cursor;
  int cell;  // the square size shown, which the screen may hold below the chosen one
  std::optional<Square> keyCursor = std::nullopt;  // the keyboard's square, while the board has the keys
  // The Expert's score and line, shown where the logo is; null when not shown.
  const PositionScore* evaluation = nullptr;
  QString status;                     // how the game stands, under the panel
  const PieceSlide* slide = nullptr;  // a move gliding to its square, if any
};

// Composes the client area into `backBuffer` (at least the client's size).
void composeMainWindow(QImage& backBuffer, QSize client, const MainWindowPicture& picture);

// Draws the owner-drawn lines of the listing box in the board font.
class ListingLineDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace velmora
