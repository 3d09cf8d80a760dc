#include "shell/board_widget.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <cstring>

#include "core/game/board_description.h"
#include "core/game/game_state.h"
#include "core/game/settings.h"
#include "core/records/listing.h"
#include "core/view/appearance.h"
#include "core/view/layout.h"
#include "shell/paint/renderer.h"
#include "shell/system/language.h"

namespace velmora {

BoardWidget::BoardWidget(GameState& game, MoveListing& listing, QWidget* parent)
    : QWidget(parent), game_(game), listing_(listing), listingBox_(new QListWidget(this)) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Tab or a click gives the board the keys. The listing has them first,
  // for its arrow keys, but hands on the characters of a move.
  setFocusPolicy(Qt::StrongFocus);
  listingBox_->installEventFilter(this);
  setAccessibleName(ui("Board"));
  listingBox_->setAccessibleName(ui("Move listing"));
  listingBox_->setObjectName("id1014");
  listingBox_->setItemDelegate(new ListingLineDelegate(listingBox_));
  listingBox_->setFrameShape(QFrame::NoFrame);
  listingBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  listingBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  std::memcpy(painted_, game_.board, sizeof painted_);
  slideTimer_.setInterval(15);
  connect(&slideTimer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void BoardWidget::setSkins(SkinSet skins) {
  skins_ = std::move(skins);
  update();
}

BoardView BoardWidget::view() const {
  const Layout l = computeLayout(game_.boardSize, cell_, width(), height());
  return BoardView{
      l.x0, l.y0, cell_, appearance.whiteOnTop != 0, appearance.dragShow != DragStays, entrySettings.oneClick != 0};
}

QSize BoardWidget::layoutSize() const {
  const Layout l = computeLayout(game_.boardSize, cell_, 0, 0);
  return QSize(l.width, l.height);
}

void BoardWidget::placeListingBox() {
  const Layout l = computeLayout(game_.boardSize, cell_, width(), height());
  listingBox_->setGeometry(l.listing.left, l.listing.top, l.listing.width(), l.listing.height());
  QPalette palette = listingBox_->palette();
  palette.setColor(QPalette::Base, toQColor(appearance.backgroundColour));  // the empty part of the box
  listingBox_->setPalette(palette);
  listingBox_->setFont(boardFont(appearance));
  // The scroll bar in the window's own colours rather than the desktop's.
  const QString ink = toQColor(appearance.inkColour).name(), back = toQColor(appearance.backgroundColour).name();
  listingBox_->verticalScrollBar()->setStyleSheet(
      QString("QScrollBar:vertical { background: %1; width: 12px; margin: 0; }"
              "QScrollBar::handle:vertical { background: %2; min-height: 24px; border-radius: 4px; margin: 2px; }"
              "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }")
          .arg(back, ink));
  listingBox_->horizontalScrollBar()->setStyleSheet(
      QString("QScrollBar:horizontal { background: %1; height: 12px; margin: 0; }"
              "QScrollBar::handle:horizontal { background: %2; min-width: 24px; border-radius: 4px; margin: 2px; }"
              "QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal { width: 0; }")
          .arg(back, ink));
  // The lines' widths follow the font.
  listingBox_->doItemsLayout();
}

namespace {

// How long a move or a capture step glides: quick enough that the board
// never seems to lag, slow enough for the eye to follow.
constexpr int kSlideMs = 160;

}  // namespace

void BoardWidget::followBoard() {
  const int n = game_.boardSize;
  bool changed = false;
  int gained = 0, lost = 0;
  PieceSlide next;
  for (int y = 0; y < n && gained <= 1 && lost <= 1; ++y)
    for (int x = 0; x < n; ++x) {
      const Cell before = painted_[y][x], now = game_.board[y][x];
      if (before.kind == now.kind && before.side == now.side) continue;
      changed = true;
      if (before.kind == Empty) {
        next.to = {x, y};
        ++gained;
      } else if (now.kind == Empty) {
        next.captured[next.capturedCount] = {x, y};
        next.capturedPiece[next.capturedCount++] = before;
      } else {
        lost = 2;  // a piece replaced by another: no single move
      }
    }
  if (!changed) return;
  std::memcpy(painted_, game_.board, sizeof painted_);
  // One square filled, and among the squares emptied one of the same side:
  // where the piece came from; the others were the other side's, taken.
  if (!appearance.slideMoves || gained != 1 || lost > 1) return;
  const int side = game_.board[next.to.y][next.to.x].side;
  int from = -1;
  for (int i = 0; i < next.capturedCount; ++i) {
    if (next.capturedPiece[i].side != side) continue;
    if (from >= 0) return;
    from = i;
  }
  if (from < 0) return;
  next.from = next.captured[from];
  next.captured[from] = next.captured[next.capturedCount - 1];
  next.capturedPiece[from] = next.capturedPiece[next.capturedCount - 1];
  --next.capturedCount;
  next.progress = 0;
  slide_ = next;
  slideClock_.start();
  slideTimer_.start();
}

void BoardWidget::paintEvent(QPaintEvent*) {
  followBoard();
  if (sliding()) {
    // Turned off meanwhile, the move is at its square at once.
    slide_.progress =
        appearance.slideMoves ? std::min(1.0, static_cast<double>(slideClock_.elapsed()) / kSlideMs) : 1.0;
    if (!sliding()) slideTimer_.stop();
  }
  // Composed at the screen's own pixel density, so that text and the
  // pictures' edges stay sharp on a high-density screen.
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = (QSizeF(size()) * ratio).toSize();
  if (backBuffer_.size() != pixels || backBuffer_.devicePixelRatio() != ratio) {
    backBuffer_ = QImage(pixels, QImage::Format_RGB32);
    backBuffer_.setDevicePixelRatio(ratio);
  }
  keepCursorOnBoard(keys_, game_.boardSize);
  const std::optional<Square> keyCursor = hasFocus() ? std::optional<Square>(keys_.cursor) : std::nullopt;
  composeMainWindow(backBuffer_, size(),
                    MainWindowPicture{game_, listing_, skins_, listingBox_->geometry(), cursor_, cell_, keyCursor,
                                      evaluation_, status_, sliding() ? &slide_ : nullptr});
  QPainter p(this);
  p.drawImage(QPoint(0, 0), backBuffer_);
}

void BoardWidget::resizeEvent(QResizeEvent*) {
  // "Fit to window": the board follows the window the player sizes or maximises.
  if (appearance.boardScale == kFitToWindow) cell_ = boardCellSize(game_.boardSize, appearance, width(), height());
  placeListingBox();
}

namespace {

std::optional<MouseButton> buttonOf(const QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) return MouseButton::Select;  // Qt reports logical buttons
  if (event->button() == Qt::RightButton) return MouseButton::Cancel;
  return std::nullopt;
}

}  // namespace

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  cursor_ = event->position().toPoint();
  // The click gave the board the keys: they go on from the square clicked.
  if (auto square = hitTestSquare(game_, view(), cursor_.x(), cursor_.y())) keys_.cursor = {square->x, square->y};
  if (setupClicks_) {
    const QPoint at = event->position().toPoint();
    if (auto square = hitTestSquare(game_, view(), at.x(), at.y()))
      setupClicks_(square->x, square->y, event->button() == Qt::RightButton);
    return;
  }
  if (auto button = buttonOf(event)) {
    const QPoint at = event->position().toPoint();
    mouseDown(game_, listing_, view(), *button, at.x(), at.y());
  }
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
  cursor_ = event->position().toPoint();
  if (setupClicks_) return;
  if (auto button = buttonOf(event)) {
    const QPoint at = event->position().toPoint();
    mouseUp(game_, listing_, view(), *button, at.x(), at.y());
  }
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
  cursor_ = event->position().toPoint();
  if (dragFollowsCursor(game_, view())) update();
}

namespace {

std::optional<EntryKey> entryKeyOf(const QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left: return EntryKey::Left;
    case Qt::Key_Right: return EntryKey::Right;
    case Qt::Key_Up: return EntryKey::Up;
    case Qt::Key_Down: return EntryKey::Down;
    case Qt::Key_Space: return EntryKey::Space;
    case Qt::Key_Return:
    case Qt::Key_Enter: return EntryKey::Enter;
    case Qt::Key_Escape: return EntryKey::Escape;
    case Qt::Key_Backspace: return EntryKey::Backspace;
    default: return std::nullopt;
  }
}

bool isArrow(EntryKey key) {
  return key == EntryKey::Left || key == EntryKey::Right || key == EntryKey::Up || key == EntryKey::Down;
}

// The one character of a key that may be part of a typed move.
char moveCharacterOf(const QKeyEvent* event) {
  if (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) return 0;
  const QString text = event->text();
  if (text.size() != 1 || text[0].unicode() > 127) return 0;
  const char c = static_cast<char>(text[0].toLower().unicode());
  const bool fits = (c >= 'a' && c <= 'l') || (c >= '0' && c <= '9') || c == '-' || c == ':' || c == 'x';
  return fits ? c : 0;
}

}  // namespace

bool BoardWidget::eventFilter(QObject* watched, QEvent* event) {
  // A move typed while the listing has the keys is the board's: the
  // listing would take its letters for a search among its lines.
  if (watched == listingBox_ && event->type() == QEvent::KeyPress && !setupClicks_ && isEnabled()) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (moveCharacterOf(key) != 0) {
      setFocus(Qt::OtherFocusReason);
      keyPressEvent(key);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool BoardWidget::event(QEvent* event) {
  // While the board has the focus, a letter is part of a move, not the
  // menu's one-key shortcut ("h4" is a square, not Hint).
  if (event->type() == QEvent::ShortcutOverride && !setupClicks_) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (moveCharacterOf(key) != 0) {
      event->accept();
      return true;
    }
  }
  return QWidget::event(event);
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
  const auto key = entryKeyOf(event);
  const bool plain = (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == 0;
  if (key && plain && isArrow(*key)) {
    moveCursor(keys_, game_.boardSize, appearance.whiteOnTop != 0, *key);
    update();
    return;
  }
  if (setupClicks_) {
    // Setting up: Space puts the next piece on the square, Shift+Space the one before.
    if (key == EntryKey::Space && plain) {
      setupClicks_(keys_.cursor.x, keys_.cursor.y, (event->modifiers() & Qt::ShiftModifier) != 0);
      return;
    }
    event->ignore();
    return;
  }
  if (key && plain && pressEntryKey(game_, listing_, keys_, *key)) {
    update();
    return;
  }
  if (const char c = moveCharacterOf(event); c != 0 && typeMoveCharacter(game_, listing_, keys_, c)) {
    update();
    return;
  }
  event->ignore();  // the window passes it on to the listing
}

void BoardWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void BoardWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

void BoardWidget::describeForScreenReaders() {
  setAccessibleDescription(QString::fromStdString(describeBoard(game_, listing_)));
}

}  // namespace velmora
