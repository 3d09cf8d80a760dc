// Sharp on any screen: the board is drawn at the screen's own density (a
// square at twice the density is the skin drawn at twice the size, not the
// small one enlarged), and "Fit to window" gives the board all the room the
// window has.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <memory>

#include "core/game/game_state.h"
#include "core/game/new_game.h"
#include "core/platform/host.h"
#include "core/records/listing.h"
#include "core/view/layout.h"
#include "core/view/tiles.h"
#include "shell/board_widget.h"
#include "shell/main_window.h"
#include "shell/paint/renderer.h"
#include "shell/paint/skins.h"
#include "shell/system/host_qt.h"
#include "tests/shell/window_test_support.h"

namespace velmora {
namespace {

using test::Window;

// The window's picture as the board widget paints it on a screen of `ratio`.
QImage pictureAt(const Window& w, qreal ratio) {
  QImage buffer((QSizeF(w.board()->size()) * ratio).toSize(), QImage::Format_RGB32);
  buffer.setDevicePixelRatio(ratio);
  composeMainWindow(buffer, w.board()->size(),
                    MainWindowPicture{*w.game, w.listing, w.board()->skins(), w.board()->listingBox()->geometry(),
                                      QPoint(), w.board()->cell(), std::nullopt, nullptr, QString(), nullptr});
  return buffer;
}

// Square (x, y) of the picture, in device pixels.
QImage squareOf(const Window& w, const QImage& picture, int x, int y, qreal ratio) {
  const Layout l = computeLayout(w.game->boardSize, w.board()->cell(), w.board()->width(), w.board()->height());
  const Rect r = squareRect(l, x, w.game->boardSize - 1 - y);
  return picture.copy(QRectF(r.left * ratio, r.top * ratio, r.width() * ratio, r.height() * ratio).toRect());
}

// The same square drawn straight from the skin with tiles of `tile` pixels.
QImage tileOf(const Window& w, int x, int y, int tile) {
  const Tile t = squareTile(*w.game, *w.game, x, y, appearance);
  return builtInSkin(appearance.skinNumber, tile).copy(t.column * tile, t.row * tile, tile, tile);
}

TEST(ScreenDensity, EverySquareHasTheScreensFullResolution) {
  Window w(American);
  const int cell = w.board()->cell();
  ASSERT_EQ(cell, 64);
  QDir().mkpath(QDir::temp().filePath("velmora-screenshots"));
  for (qreal ratio : {1.0, 1.5, 2.0}) {
    const QImage picture = pictureAt(w, ratio);
    picture.save(QDir::temp().filePath(QString("velmora-screenshots/window-at-%1.png").arg(ratio * 100)));
    const int tile = static_cast<int>(cell * ratio);
    // A white man on c3, a black man on f6, an empty square: each exactly the
    // skin drawn at the screen's size.
    for (auto [x, y] : {std::pair{2, 2}, std::pair{5, 5}, std::pair{3, 3}}) {
      const QImage square = squareOf(w, picture, x, y, ratio);
      ASSERT_EQ(square.size(), QSize(tile, tile)) << ratio;
      EXPECT_EQ(square.convertToFormat(QImage::Format_RGB32),
                tileOf(w, x, y, tile).convertToFormat(QImage::Format_RGB32))
          << "square " << x << "," << y << " at " << ratio;
    }
  }
  // The test tells the difference: the small square enlarged is not it.
  const QImage enlarged = tileOf(w, 2, 2, 64).scaled(128, 128, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  EXPECT_NE(squareOf(w, pictureAt(w, 2.0), 2, 2, 2.0).convertToFormat(QImage::Format_RGB32),
            enlarged.convertToFormat(QImage::Format_RGB32));
}

TEST(ScreenDensity, APlayersBitmapSkinIsScaledOncePerSize) {
  const SkinSet skins = makeSkinSet(builtInSkin(1), -1);  // as a bitmap file reads
  const QImage& twice = skins.forCell(64, 2.0);
  EXPECT_EQ(twice.size(), QSize(6 * 128, 7 * 128));
  EXPECT_EQ(twice.devicePixelRatio(), 2.0);
  EXPECT_EQ(&skins.forCell(64, 2.0), &twice);  // made once, not per paint
  EXPECT_EQ(skins.forCell(64, 1.0).size(), QSize(384, 448));
}

TEST(ScreenDensity, FitToWindowFillsTheWindowAndFollowsIt) {
  Window w(International);
  appearance.boardScale = kFitToWindow;  // as the Appearance dialog's OK leaves it
  w.window->placeWindow();
  // The largest board the window holds: one pixel more a square and it would not fit.
  const auto fills = [&](const std::string& what) {
    const int n = w.game->boardSize, cell = w.board()->cell();
    const Layout l = computeLayout(n, cell, 0, 0), bigger = computeLayout(n, cell + 1, 0, 0);
    EXPECT_LE(l.height, w.board()->height()) << what;
    EXPECT_LE(l.width, w.board()->width()) << what;
    EXPECT_TRUE(bigger.height > w.board()->height() || bigger.width > w.board()->width()) << what;
  };
  for (QSize size : {QSize(1366, 768), QSize(1000, 700), QSize(700, 560)}) {
    w.window->resize(size);
    test::settle();
    fills(std::to_string(size.width()));
  }
  w.window->showMaximized();
  test::settle();
  fills("maximised");
  appearance.boardScale = 0;
}

}  // namespace
}  // namespace velmora
