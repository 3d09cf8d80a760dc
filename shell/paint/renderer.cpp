#include "shell/paint/renderer.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "core/game/game_state.h"
#include "core/game/mouse_entry.h"
#include "core/game/position_score.h"
#include "core/platform/player_name.h"
#include "core/records/listing.h"
#include "core/records/pdn_board.h"
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

// The status line inside its row with a margin each side: a smaller font
// for a long text (a deep search, a long translation), cut short only when
// even the smallest is too wide.
void drawStatus(QPainter& p, const Rect& r, const QString& text) {
  const QRect q = toQRect(r).adjusted(8, 0, -8, 0);
  p.save();
  QFont font = p.font();
  int size = 14;
  for (; size > 9; --size) {
    font.setPixelSize(size);
    if (QFontMetrics(font).horizontalAdvance(text) <= q.width()) break;
  }
  font.setPixelSize(size);
  p.setFont(font);
  p.drawText(q, Qt::AlignCenter, QFontMetrics(font).elidedText(text, Qt::ElideRight, q.width()));
  p.restore();
}

// The score on the first line in the board font, the expected line (or the
// result of an ended game) below it in a slightly smaller one; "..." while
// the search has not answered.
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
  small.setPixelSize(15);
  p.setFont(small);
  const QFontMetrics metrics(small);
  // A margin on both sides: the panel ends at the window's edge.
  const QRect rest(area.left() + 10, first.bottom() + 1, area.width() - 20, area.bottom() - first.bottom());
  int top = rest.top();
  for (const QString& line : wrapBetweenWords(QString::fromStdString(score.line), metrics, rest.width())) {
    if (top + metrics.height() > rest.bottom() + 1) break;  // the rest of the line does not fit
    p.drawText(QRect(rest.left(), top, rest.width(), metrics.height()), Qt::AlignCenter, line);
    top += metrics.height();
  }
  p.restore();
}

// The number of each playing square in its upper left corner, as the
// variants that number their squares read them; nothing for the others.
void drawSquareNumbers(QPainter& p, const GameState& game, int c, int left, int top, bool whiteOnTop) {
  const int n = game.boardSize;
  if (pdnConvention(game.gameType).algebraic) return;
  p.save();
  QFont font = p.font();
  font.setPixelSize(std::max(7, c / 4));
  font.setBold(true);
  p.setFont(font);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      const std::string name = pdnSquare(game.gameType, x, y);
      const auto back = readPdnSquare(game.gameType, name);
      if (!back || back->x != x || back->y != y) continue;  // not a playing square
      const int column = whiteOnTop ? n - 1 - x : x, row = whiteOnTop ? y : n - 1 - y;
      const QRect corner(left + column * c + 2, top + row * c + 1, c - 4, c / 3);
      const QString text = QString::fromStdString(name);
      // Light figures with a dark edge: read on every skin's squares and pieces.
      p.setPen(QColor(0, 0, 0, 170));
      p.drawText(corner.translated(1, 1), Qt::AlignLeft | Qt::AlignTop, text);
      p.setPen(QColor(255, 255, 255, 230));
      p.drawText(corner, Qt::AlignLeft | Qt::AlignTop, text);
    }
  p.restore();
}

// The piece of `pieceTile` alone, without its square: the pixels in which
// the tile differs from the same square's empty tile.
QImage pieceAlone(const QImage& skin, Tile pieceTile, Tile emptyTile) {
  const int tile = skin.width() / 6;
  QImage piece =
      skin.copy(pieceTile.column * tile, pieceTile.row * tile, tile, tile).convertToFormat(QImage::Format_ARGB32);
  const QImage empty =
      skin.copy(emptyTile.column * tile, emptyTile.row * tile, tile, tile).convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < tile; ++y) {
    auto* line = reinterpret_cast<QRgb*>(piece.scanLine(y));
    const auto* under = reinterpret_cast<const QRgb*>(empty.constScanLine(y));
    for (int x = 0; x < tile; ++x) {
      const int difference = std::abs(qRed(line[x]) - qRed(under[x])) + std::abs(qGreen(line[x]) - qGreen(under[x])) +
                             std::abs(qBlue(line[x]) - qBlue(under[x]));
      if (difference < 48) line[x] = 0;
    }
  }
  return piece;
}

// The gliding piece over the board already drawn with the move made.
void drawSlide(QPainter& p, const GameState& game, const PieceSlide& slide, int c, const QImage& skin, int left,
               int top, const AppearanceSettings& settings) {
  const int n = game.boardSize;
  const auto squareAt = [&](Square s) {
    const int column = settings.whiteOnTop ? n - 1 - s.x : s.x, row = settings.whiteOnTop ? s.y : n - 1 - s.y;
    return QPointF(left + column * c, top + row * c);
  };
  p.save();
  for (int i = 0; i < slide.capturedCount; ++i) {
    const Square s = slide.captured[i];
    const Tile now = squareTile(game, game, s.x, s.y, settings);
    if (now.row == 0) continue;  // a marker stands there
    p.setOpacity(1.0 - slide.progress);
    drawTile(p, QRectF(squareAt(s), QSizeF(c, c)), skin,
             pieceColumnOf(slide.capturedPiece[i].kind, slide.capturedPiece[i].side), now.row);
  }
  p.setOpacity(1.0);
  const Tile arrived = squareTile(game, game, slide.to.x, slide.to.y, settings);
  if (arrived.column == 0 || arrived.row == 0) {
    p.restore();
    return;
  }
  drawTile(p, QRectF(squareAt(slide.to), QSizeF(c, c)), skin, 0, arrived.row);
  const QPointF at = squareAt(slide.from) + (squareAt(slide.to) - squareAt(slide.from)) * slide.progress;
  p.drawImage(QRectF(at, QSizeF(c, c)), pieceAlone(skin, arrived, Tile{0, arrived.row}));
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

// `text` in lines no wider than `width`, broken only between words: a move
// such as "c7-b6" is never split at its hyphen.
QStringList wrapBetweenWords(const QString& text, const QFontMetrics& metrics, int width) {
  QStringList lines;
  QString line;
  for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
    const QString longer = line.isEmpty() ? word : line + ' ' + word;
    if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
      line = longer;
    } else {
      lines << line;
      line = word;
    }
  }
  if (!line.isEmpty()) lines << line;
  return lines;
}

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

  if (settings.showSquareNumbers) drawSquareNumbers(p, game, c, x0 + d, y0 + d, settings.whiteOnTop != 0);

  const auto picked = findSelectedPiece(game);
  if (settings.dragShow == DragStays || !picked || game.heldByKeys) return;
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
  // The line under the variant's name says how the game differs from a classic one.
  const Layout l = computeLayout(n, c, client.width(), client.height(), game.giveAway != 0 || game.officialRules != 0);
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
  if (!w.status.isEmpty()) drawStatus(p, l.status, w.status);
  if (game.giveAway && game.officialRules)
    drawCentred(p, l.giveAwayText, ui("(give away, official rules)"));
  else if (game.giveAway)
    drawCentred(p, l.giveAwayText, ui("(give away)"));
  else if (game.officialRules)
    drawCentred(p, l.giveAwayText, ui("(official rules)"));

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
  if (w.slide && w.slide->progress < 1)
    drawSlide(p, game, *w.slide, c, w.skins.forCell(c, ratio), l.board.left, l.board.top, a);
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
