#pragma once
// The seven built-in skins, drawn in code on the tile grid, and user skins
// read from SKIN/*.bmp.

#include <QImage>
#include <QPainter>
#include <QString>
#include <map>

#include "core/view/tiles.h"

namespace velmora {

// Built-in skin 0..6 with tiles of `tile` pixels (384 x 448 at 64).
QImage builtInSkin(int number, int tile = kSkinTile);

// The skin file SKIN/<name>.bmp, or the built-in skin `number` when the name
// is empty. A file that cannot be read resets the skin choice and the two
// colours of `appearance` to their defaults and gives the default skin.
QImage loadSkin(const QString& name, int number);

// The picture of a user skin file when it is one: a bitmap of exactly the
// tile grid's size (any other would put pieces where the tiles are not).
// A null image otherwise.
QImage readUserSkin(const QString& path);

// The current skin at every square size and screen density it is shown at,
// each made once: a built-in skin is drawn again at the size, a player's
// bitmap scaled smoothly.
struct SkinSet {
  QImage full;       // tiles of 64
  int builtIn = -1;  // the built-in skin `full` is, or -1 for a player's bitmap
  // Tiles of `cell` pixels on a screen of `ratio` device pixels per pixel:
  // an image whose device pixel ratio makes each tile `cell` pixels wide.
  const QImage& forCell(int cell, qreal ratio = 1.0) const;

 private:
  mutable std::map<int, QImage> sized_;  // by tile size in device pixels
};

SkinSet makeSkinSet(const QImage& full, int builtInNumber = -1);

// Tile (column, row) of a tile grid of any size, drawn into `target`.
void drawTile(QPainter& p, const QRectF& target, const QImage& tiles, int column, int row);

}  // namespace velmora
