#include "shell/board_widget.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include "core/game/settings.h"
#include "core/records/listing.h"
#include "core/rules/game_state.h"
#include "core/view/appearance.h"
#include "core/view/layout.h"
#include "shell/paint/renderer.h"

namespace velmora {

BoardWidget::BoardWidget(GameState& game, MoveListing& listing, QWidget* parent)
    : QWidget(parent), game_(game), listing_(listing), listingBox_(new QListWidget(this)) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  listingBox_->setObjectName("id1014");
  listingBox_->setItemDelegate(new ListingLineDelegate(listingBox_));
  listingBox_->setFrameShape(QFrame::NoFrame);
  listingBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  listingBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
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

void BoardWidget::paintEvent(QPaintEvent*) {
  // Composed at the screen's own pixel density, so that text and the
  // pictures' edges stay sharp on a high-density screen.
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = (QSizeF(size()) * ratio).toSize();
  if (backBuffer_.size() != pixels || backBuffer_.devicePixelRatio() != ratio) {
    backBuffer_ = QImage(pixels, QImage::Format_RGB32);
    backBuffer_.setDevicePixelRatio(ratio);
  }
  composeMainWindow(backBuffer_, size(),
                    MainWindowPicture{game_, listing_, skins_, listingBox_->geometry(), cursor_, cell_, evaluation_});
  QPainter p(this);
  p.drawImage(QPoint(0, 0), backBuffer_);
}

void BoardWidget::resizeEvent(QResizeEvent*) { placeListingBox(); }

namespace {

std::optional<MouseButton> buttonOf(const QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) return MouseButton::Select;  // Qt reports logical buttons
  if (event->button() == Qt::RightButton) return MouseButton::Cancel;
  return std::nullopt;
}

}  // namespace

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  cursor_ = event->position().toPoint();
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

}  // namespace velmora
