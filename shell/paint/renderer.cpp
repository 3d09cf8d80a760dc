#include "shell/paint/renderer.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "core/game/game_state.h"
#include "core/game/mouse_entry.h"
#include "core/game/position_score.h"
#include "core/platform/player_name.h"
#include "core/records/listing.h"
#include "core/view/layout.h"
#include "core/view/tiles.h"
#include "shell/system/language.h"

namespace velmora {

namespace {

void drawCentred(QPainter& p, const Rect& r, const QString& text) {
  const QRect q(r.left, r.top, r.width(), r.height());
  p.fillRect(q, p.background());
  // Two-digit row numbers are narrowed to fit their band.
  const int width = p.fontMetrics().horizontalAdvance(text);
  if (width > q.width() && width > 0) {
    p.save();
    QFont narrow = p.font();
    narrow.setStretch(std::max(50, q.width() * 100 / width));
    p.setFont(narrow);
    p.drawText(q, Qt::AlignCenter, text);
    p.restore();
    return;
  }
  p.drawText(q, Qt::AlignCenter, text);
}

QRect toQRect(const Rect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

// The score on the first line in the board font, the expected line below it
// in a smaller one, wrapped; "..." while the search has not answered.
void drawEvaluation(QPainter& p, const Rect& r, const PositionScore& score) {
  const QRect area = toQRect(r);
  p.fillRect(area, p.background());
  const QRect first(area.left(), area.top(), area.width(), kListingLineHeight);
  // The score in men with the decimal point of the language shown; a win
  // found says so in words.
  QString shown = QString::fromStdString(score.score);
  shown.replace('.', shownNumber(0.5).at(1)).replace("win", ui("win"));
  p.drawText(first, Qt::AlignCenter, score.found ? shown : QString("..."));
  if (!score.found || score.line.empty()) return;
  p.save();
  QFont small = p.font();
  small.setPixelSize(13);
  p.setFont(small);
  const QRect rest(area.left() + 4, first.bottom() + 1, area.width() - 8, area.bottom() - first.bottom());
  p.drawText(rest, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, QString::fromStdString(score.line));
  p.restore();
}

// The keyboard's square: a light frame with a dark edge inside, seen on
// light and dark squares of every skin.
void drawKeyCursor(QPainter& p, Square s, int n, int c, int left, int top, bool whiteOnTop) {
  const int column = whiteOnTop ? n - 1 - s.x : s.x, row = whiteOnTop ? s.y : n - 1 - s.y;
  const int width = std::max(2, c / 16);
  const QRect square(left + column * c, top + row * c, c, c);
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 210, 0), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(square.adjusted(width / 2, width / 2, -(width + 1) / 2, -(width + 1) / 2));
  p.setPen(QPen(Qt::black, 1));
  p.drawRect(square.adjusted(width, width, -width - 1, -width - 1));
  p.restore();
}

}  // namespace

QColor toQColor(Colour c) { return QColor(colourRed(c), colourGreen(c), colourBlue(c)); }

QFont boardFont(const AppearanceSettings& settings) {
  QFont font(QString::fromStdString(settings.fontFace));
  font.setPixelSize(19);  // a character cell of about 24 pixels
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

void drawBoard(QPainter& p, const GameState& game, int c, const QImage& skin, int x0, int y0,
               const AppearanceSettings& settings, bool previewMode, QPoint cursor) {
  const int n = game.boardSize;
  const int d = previewMode ? (12 - n) * 16 : 0;
  const auto boardSquare = [&](int k, int r) {
    return settings.whiteOnTop ? Square{n - 1 - k, r} : Square{k, n - 1 - r};
  };
  for (int r = 0; r < n; ++r)
    for (int k = 0; k < n; ++k) {
      const Square s = boardSquare(k, r);
      const Tile t = squareTile(game, game, s.x, s.y, settings);
      drawTile(p, QRectF(x0 + d + k * c, y0 + d + r * c, c, c), skin, t.column, t.row);
    }

  const auto picked = findSelectedPiece(game);
  if (settings.dragShow == DragStays || !picked) return;
  QPoint at = cursor - QPoint(game.grabOffsetX, game.grabOffsetY);
  if (previewMode && settings.dragShow == DragPreviewCentre) {
    const int t = c * (n / 2 - 1) + c / 2;
    at = QPoint(x0 + d + t, y0 + d + t);
  }
  p.save();
  if (settings.dragShadow) {
    p.setOpacity(draggedShadowAlpha(settings.dragOpacity) / 255.0);
    p.fillRect(QRect(at + QPoint(c * 8 / 64, c * 8 / 64), QSize(c, c)), Qt::black);
  }
  const Tile t = draggedTile(game, picked->x, picked->y);
  p.setOpacity(settings.dragOpacity >= 100 ? 1.0 : draggedPieceAlpha(settings.dragOpacity) / 255.0);
  drawTile(p, QRectF(at, QSizeF(c, c)), skin, t.column, t.row);
  p.restore();
}

void composeMainWindow(QImage& backBuffer, QSize client, const MainWindowPicture& w) {
  const AppearanceSettings& a = appearance;
  const GameState& game = w.game;
  const int c = w.cell, n = game.boardSize;
  const Layout l = computeLayout(n, c, client.width(), client.height(), game.giveAway != 0);
  QPainter p(&backBuffer);
  p.fillRect(QRect(QPoint(0, 0), client), toQColor(a.backgroundColour));
  p.fillRect(w.listingBox.adjusted(-1, -1, 1, 1), toQColor(a.inkColour));  // the listing's frame

  p.setFont(boardFont(a));
  p.setPen(toQColor(a.inkColour));
  p.setBackground(toQColor(a.backgroundColour));
  if (a.showCoordinates) {
    for (int k = 0; k < n; ++k) {
      const int x = a.whiteOnTop ? n - 1 - k : k;
      const Rect band{l.board.left + k * c, l.board.bottom, l.board.left + (k + 1) * c,
                      l.board.bottom + kCoordinateBand};
      // Lower case, as the listing, the typed moves and the manual name the squares.
      drawCentred(p, band, QString(QChar('a' + x)));
    }
    for (int r = 0; r < n; ++r) {
      const int y = a.whiteOnTop ? r : n - 1 - r;
      const Rect band{l.x0, l.board.top + r * c, l.x0 + kCoordinateBand, l.board.top + (r + 1) * c};
      drawCentred(p, band, QString::number(y + 1));
    }
  }

  // The player at the top of the board is named at the top of the panel.
  const int upper = a.whiteOnTop ? White : Black, lower = upper ^ 1;
  drawCentred(p, l.upperName, QString::fromStdString(shownName(game.players[upper].name)));
  drawCentred(p, l.lowerName, QString::fromStdString(shownName(game.players[lower].name)));
  if (!w.listing.lines.empty()) {
    drawCentred(p, l.upperClock, QString::fromStdString(formatClock(game.players[upper].clockSeconds)));
    drawCentred(p, l.lowerClock, QString::fromStdString(formatClock(game.players[lower].clockSeconds)));
  }
  drawCentred(p, l.variantName, ui(gameTypeName(game.gameType)));
  if (game.giveAway) drawCentred(p, l.giveAwayText, ui("(give away)"));

  // Everything from the skin at the buffer's own density: sharp on any screen.
  const qreal ratio = backBuffer.devicePixelRatio();
  if (w.evaluation) {
    drawEvaluation(p, l.evaluation, *w.evaluation);
  } else {
    const QImage& logoTiles = w.skins.forCell(kSkinTile, ratio);
    const int logoTile = logoTiles.width() / 6;
    p.drawImage(QRectF(toQRect(l.logo)), logoTiles, QRectF(4 * logoTile, 0, 2 * logoTile, logoTile));
  }
  drawBoard(p, game, c, w.skins.forCell(c, ratio), l.board.left, l.board.top, a, false, w.cursor);
  if (w.keyCursor) drawKeyCursor(p, *w.keyCursor, n, c, l.board.left, l.board.top, a.whiteOnTop != 0);
}

void ListingLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const bool selected = option.state & QStyle::State_Selected;
  QColor ink = toQColor(appearance.inkColour), background = toQColor(appearance.backgroundColour);
  if (selected) {
    const ListingColours h = listingHighlightColours(appearance.backgroundColour, appearance.inkColour);
    ink = toQColor(h.ink);
    background = toQColor(h.background);
  }
  painter->save();
  painter->setClipRect(option.rect);
  painter->fillRect(option.rect, background);
  painter->setFont(boardFont(appearance));
  painter->setPen(ink);
  painter->drawText(option.rect, Qt::AlignLeft | Qt::AlignTop, index.data().toString());
  painter->restore();
}

QSize ListingLineDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  // As wide as the line in the chosen font, so that a wide font scrolls
  // sideways instead of cutting the move; at least the box's width, so the
  // selected line is marked across the whole box.
  const int text = QFontMetrics(boardFont(appearance)).horizontalAdvance(index.data().toString()) + 4;
  const auto* view = qobject_cast<const QAbstractItemView*>(parent());
  const int box = view ? view->viewport()->width() : option.rect.width();
  return QSize(std::max(text, box), kListingLineHeight);
}

}  // namespace velmora
