#pragma once
// The seven built-in skins, drawn in code on the tile grid, and user skins
// read from SKIN/*.bmp.

#include <QImage>
#include <QString>

namespace velmora {

// Built-in skin 0..6 at full size (384 x 448).
QImage builtInSkin(int number);

// The skin file SKIN/<name>.bmp, or the built-in skin `number` when the name
// is empty. A file that cannot be read resets the skin choice and the two
// colours of `appearance` to their defaults and gives the default skin.
QImage loadSkin(const QString& name, int number);

// The picture of a user skin file when it is one: a bitmap of exactly the
// tile grid's size (any other would put pieces where the tiles are not).
// A null image otherwise.
QImage readUserSkin(const QString& path);

// The current skin at the three square sizes, made once per skin change.
struct SkinSet {
  QImage full;    // tiles of 64
  QImage small;   // tiles of 48
  QImage medium;  // tiles of 56
  const QImage& forCell(int cell) const { return cell == 48 ? small : cell == 56 ? medium : full; }
};

SkinSet makeSkinSet(const QImage& full);

}  // namespace velmora
