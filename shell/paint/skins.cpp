#include "shell/paint/skins.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <map>
#include <random>

#include "core/platform/bitmap.h"
#include "core/view/appearance.h"
#include "core/view/tiles.h"

namespace velmora {

namespace {

enum class Texture { Flat, Wood, Marble, Cloth, Sky, Brushed };
enum class PieceLook { Flat, Bevel, Button, Glass, Stone };
enum class Highlight { FlatSquare, Ring, Frame, Tint };

struct SkinStyle {
  QColor dark, light;
  Texture texture;
  QColor whiteBody, whiteRim, blackBody, blackRim;
  PieceLook look;
  Highlight highlight;
  QColor selection, lastMove, marker;
  QColor logoBack, logoInk;
};

// The artwork of each built-in skin, in menu order.
SkinStyle styleOf(int number) {
  switch (number) {
    case 0:  // 1. Simple: flat colours, flat highlights and markers
      return {QColor(96, 128, 96),   QColor(232, 232, 208), Texture::Flat,       QColor(250, 250, 250),
              QColor(120, 120, 120), QColor(200, 40, 40),   QColor(110, 10, 10), PieceLook::Flat,
              Highlight::FlatSquare, QColor(220, 50, 50),   QColor(60, 170, 60), QColor(50, 90, 220),
              QColor(232, 232, 208), QColor(60, 90, 60)};
    case 1:  // 2. Design: slate and sand, glassy pieces, frames
      return {QColor(52, 64, 84),    QColor(214, 200, 170), Texture::Brushed,     QColor(245, 240, 225),
              QColor(170, 150, 110), QColor(30, 30, 36),    QColor(0, 0, 0),      PieceLook::Glass,
              Highlight::Frame,      QColor(255, 190, 40),  QColor(80, 210, 170), QColor(90, 160, 255),
              QColor(52, 64, 84),    QColor(214, 200, 170)};
    case 3:  // 4. Buttons: cloth squares, sewing buttons
      return {QColor(70, 90, 140),   QColor(200, 190, 160), Texture::Cloth,     QColor(250, 244, 230),
              QColor(160, 140, 110), QColor(170, 40, 60),   QColor(90, 10, 30), PieceLook::Button,
              Highlight::Ring,       QColor(255, 220, 0),   QColor(0, 200, 90), QColor(30, 120, 255),
              QColor(200, 190, 160), QColor(70, 90, 140)};
    case 4:  // 5. Sky: blue gradients, clouds, glass pieces
      return {QColor(40, 90, 170),   QColor(190, 220, 245), Texture::Sky,          QColor(255, 255, 255),
              QColor(150, 180, 220), QColor(20, 40, 90),    QColor(5, 15, 50),     PieceLook::Glass,
              Highlight::Tint,       QColor(255, 230, 80),  QColor(120, 240, 140), QColor(255, 140, 40),
              QColor(40, 90, 170),   QColor(255, 255, 255)};
    case 5:  // 6. Home: table cloth, wooden pieces
      return {QColor(160, 40, 40),   QColor(240, 226, 200), Texture::Cloth,      QColor(236, 210, 160),
              QColor(150, 110, 60),  QColor(70, 40, 20),    QColor(30, 15, 5),   PieceLook::Bevel,
              Highlight::Ring,       QColor(255, 215, 0),   QColor(40, 170, 60), QColor(30, 90, 230),
              QColor(240, 226, 200), QColor(160, 40, 40)};
    case 6:  // 7. Stone: marble squares, granite pieces
      return {QColor(88, 92, 98),    QColor(208, 204, 196), Texture::Marble,      QColor(236, 232, 222),
              QColor(150, 145, 135), QColor(48, 50, 56),    QColor(15, 15, 20),   PieceLook::Stone,
              Highlight::Frame,      QColor(240, 200, 60),  QColor(90, 200, 120), QColor(70, 140, 240),
              QColor(88, 92, 98),    QColor(236, 232, 222)};
    default:  // 3. Standard: wooden squares, yellow, green and blue rings
      return {QColor(122, 72, 36),   QColor(222, 184, 135), Texture::Wood,       QColor(244, 232, 206),
              QColor(170, 140, 100), QColor(52, 30, 20),    QColor(15, 8, 4),    PieceLook::Bevel,
              Highlight::Ring,       QColor(255, 221, 0),   QColor(40, 200, 70), QColor(40, 110, 255),
              QColor(122, 72, 36),   QColor(244, 232, 206)};
  }
}

enum class Mark { None, Selection, LastMove };

void paintTexture(QPainter& p, const QRect& r, const SkinStyle& s, bool dark, unsigned seed) {
  const QColor base = dark ? s.dark : s.light;
  std::mt19937 random(seed);
  auto jitter = [&](int spread) { return static_cast<int>(random() % static_cast<unsigned>(2 * spread + 1)) - spread; };
  p.fillRect(r, base);
  switch (s.texture) {
    case Texture::Flat: break;
    case Texture::Wood:
      // Grain: long wavy lines a little darker and lighter than the wood.
      for (int i = 0; i < 22; ++i) {
        const int y = r.top() + static_cast<int>(random() % 64);
        QColor c = base.darker(104 + static_cast<int>(random() % 14));
        if (i % 3 == 0) c = base.lighter(106);
        p.setPen(QPen(c, 1 + static_cast<int>(random() % 2)));
        QPainterPath path(QPointF(r.left(), y));
        for (int x = 0; x <= 64; x += 16) path.lineTo(r.left() + x, y + jitter(2));
        p.drawPath(path);
      }
      break;
    case Texture::Marble: {
      for (int i = 0; i < 260; ++i) {
        p.setPen(base.darker(100 + jitter(10)));
        p.drawPoint(r.left() + static_cast<int>(random() % 64), r.top() + static_cast<int>(random() % 64));
      }
      // One soft vein across the tile.
      QColor vein = dark ? base.lighter(130) : base.darker(130);
      vein.setAlpha(110);
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(QPen(vein, 1.4));
      const double startX = r.left() + static_cast<double>(random() % 64);
      QPainterPath path(QPointF(startX, r.top()));
      path.cubicTo(startX + jitter(30), r.top() + 20, startX + jitter(30), r.top() + 44,
                   r.left() + static_cast<double>(random() % 64), r.bottom() + 1);
      p.drawPath(path);
      p.restore();
      break;
    }
    case Texture::Cloth:
      for (int i = 0; i < 64; i += 4) {
        p.setPen(base.darker(110));
        p.drawLine(r.left() + i, r.top(), r.left() + i, r.bottom());
        p.setPen(base.lighter(106));
        p.drawLine(r.left(), r.top() + i + 2, r.right(), r.top() + i + 2);
      }
      break;
    case Texture::Sky: {
      QLinearGradient g(r.topLeft(), r.bottomRight());
      g.setColorAt(0, base.lighter(120));
      g.setColorAt(1, base.darker(110));
      p.fillRect(r, g);
      if (!dark) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 120));
        const int cx = r.left() + 14 + static_cast<int>(random() % 30),
                  cy = r.top() + 14 + static_cast<int>(random() % 30);
        p.drawEllipse(QPoint(cx, cy), 12, 6);
        p.drawEllipse(QPoint(cx + 9, cy - 3), 9, 6);
      }
      break;
    }
    case Texture::Brushed:
      for (int y = 0; y < 64; ++y) {
        p.setPen(base.darker(100 + jitter(6)));
        p.drawLine(r.left(), r.top() + y, r.right(), r.top() + y);
      }
      break;
  }
}

void paintHighlight(QPainter& p, const QRect& r, const SkinStyle& s, Mark mark) {
  if (mark == Mark::None) return;
  const QColor c = mark == Mark::Selection ? s.selection : s.lastMove;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  switch (s.highlight) {
    case Highlight::FlatSquare: p.fillRect(r, c); break;
    case Highlight::Ring:
      p.setPen(QPen(c, 5));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QRectF(r).adjusted(4, 4, -4, -4));
      break;
    case Highlight::Frame:
      p.setPen(QPen(c, 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRectF(r).adjusted(2.5, 2.5, -2.5, -2.5));
      break;
    case Highlight::Tint: {
      QColor t = c;
      t.setAlpha(130);
      p.fillRect(r, t);
      p.setPen(QPen(c, 3));
      p.drawRect(QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5));
      break;
    }
  }
  p.restore();
}

// A king's crown: three points over a band, in the rim colour.
void paintCrown(QPainter& p, QPointF centre, double size, const QColor& colour) {
  QPainterPath crown;
  const double w = size, h = size * 0.62, x = centre.x() - w / 2, y = centre.y() - h / 2;
  crown.moveTo(x, y + h);
  crown.lineTo(x, y + h * 0.25);
  crown.lineTo(x + w * 0.25, y + h * 0.6);
  crown.lineTo(x + w * 0.5, y);
  crown.lineTo(x + w * 0.75, y + h * 0.6);
  crown.lineTo(x + w, y + h * 0.25);
  crown.lineTo(x + w, y + h);
  crown.closeSubpath();
  p.setPen(QPen(colour.darker(150), 1.2));
  p.setBrush(colour);
  p.drawPath(crown);
}

void paintPiece(QPainter& p, const QRect& r, const SkinStyle& s, int column) {
  if (column == 0) return;
  const bool black = column >= 3, king = column == 2 || column == 4;
  const QColor body = black ? s.blackBody : s.whiteBody, rim = black ? s.blackRim : s.whiteRim;
  const QPointF c = QRectF(r).center();
  const double radius = 25;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  // Shadow under the piece.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawEllipse(c + QPointF(2.5, 3), radius, radius);
  switch (s.look) {
    case PieceLook::Flat:
      p.setPen(QPen(rim, 2));
      p.setBrush(body);
      p.drawEllipse(c, radius, radius);
      p.setPen(QPen(rim, 1.5));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(c, radius - 7, radius - 7);
      break;
    case PieceLook::Bevel: {
      QRadialGradient g(c - QPointF(8, 9), radius * 1.6);
      g.setColorAt(0, body.lighter(125));
      g.setColorAt(0.6, body);
      g.setColorAt(1, body.darker(140));
      p.setPen(QPen(rim, 2));
      p.setBrush(g);
      p.drawEllipse(c, radius, radius);
      p.setPen(QPen(body.darker(130), 2));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(c, radius - 6, radius - 6);
      p.setPen(QPen(body.lighter(115), 1));
      p.drawEllipse(c, radius - 11, radius - 11);
      break;
    }
    case PieceLook::Button:
      p.setPen(QPen(rim, 2));
      p.setBrush(body);
      p.drawEllipse(c, radius, radius);
      p.setPen(QPen(body.darker(125), 2));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(c, radius - 5, radius - 5);
      if (!king) {
        p.setPen(Qt::NoPen);
        p.setBrush(rim);
        for (auto d : {QPointF(-5, -5), QPointF(5, -5), QPointF(-5, 5), QPointF(5, 5)}) p.drawEllipse(c + d, 2.8, 2.8);
      }
      break;
    case PieceLook::Glass: {
      QRadialGradient g(c - QPointF(7, 8), radius * 1.5);
      g.setColorAt(0, body.lighter(160));
      g.setColorAt(0.5, body);
      g.setColorAt(1, body.darker(170));
      p.setPen(QPen(rim, 1.5));
      p.setBrush(g);
      p.drawEllipse(c, radius, radius);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 255, 255, 110));
      p.drawEllipse(c + QPointF(-7, -11), 11, 6);
      break;
    }
    case PieceLook::Stone: {
      QRadialGradient g(c - QPointF(6, 6), radius * 1.4);
      g.setColorAt(0, body.lighter(115));
      g.setColorAt(1, body.darker(135));
      p.setPen(QPen(rim, 2));
      p.setBrush(g);
      p.drawEllipse(c, radius, radius);
      std::mt19937 random(static_cast<unsigned>(column * 977));
      for (int i = 0; i < 90; ++i) {
        const double a = (random() % 628) / 100.0, d = (random() % 22);
        p.setPen(i % 2 ? body.darker(130) : body.lighter(125));
        p.drawPoint(c + QPointF(d * std::cos(a), d * std::sin(a)));
      }
      break;
    }
  }
  if (king) paintCrown(p, c, 26, black ? QColor(230, 190, 60) : QColor(200, 150, 20));
  p.restore();
}

void paintMarker(QPainter& p, const QRect& r, const SkinStyle& s, bool destination) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  if (s.highlight == Highlight::FlatSquare) {
    const int inset = destination ? 0 : 16;
    p.fillRect(r.adjusted(inset, inset, -inset, -inset), s.marker);
  } else {
    p.setPen(QPen(s.marker, destination ? 5 : 4));
    p.setBrush(Qt::NoBrush);
    const double radius = destination ? 24 : 11;
    p.drawEllipse(QRectF(r).center(), radius, radius);
  }
  p.restore();
}

void paintLogo(QPainter& p, const QRect& r, const SkinStyle& s) {
  p.fillRect(r, s.logoBack);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(s.logoInk, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(r).adjusted(3, 3, -3, -3), 8, 8);
  // A small king beside the name.
  p.save();
  p.translate(r.left() + 8, r.top() + 14);
  p.scale(0.55, 0.55);
  paintPiece(p, QRect(0, 0, 64, 64), s, 2);
  p.restore();
  QFont f("DejaVu Serif");
  f.setPixelSize(16);
  f.setBold(true);
  f.setItalic(true);
  p.setFont(f);
  p.setPen(s.logoInk);
  p.drawText(QRect(r.left() + 42, r.top(), r.width() - 46, r.height()), Qt::AlignCenter, "Velmora");
}

// The skin with tiles of `tilePixels` pixels: the same drawing at another scale,
// so that a high-density screen or a large board gets sharp edges rather
// than an enlarged bitmap.
QImage drawSkin(const SkinStyle& s, int number, int tilePixels) {
  QImage image(6 * tilePixels, 7 * tilePixels, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  p.scale(static_cast<double>(tilePixels) / kSkinTile, static_cast<double>(tilePixels) / kSkinTile);
  const auto tile = [](int column, int row) {
    return QRect(column * kSkinTile, row * kSkinTile, kSkinTile, kSkinTile);
  };
  for (int dark = 0; dark < 2; ++dark) {
    const int baseRow = dark ? 1 : 4;
    for (int variant = 0; variant < 3; ++variant)
      for (int column = 0; column < 5; ++column) {
        const QRect r = tile(column, baseRow + variant);
        paintTexture(p, r, s, dark, static_cast<unsigned>(number * 1000 + (baseRow + variant) * 10 + column));
        paintHighlight(p, r, s, variant == 1 ? Mark::Selection : variant == 2 ? Mark::LastMove : Mark::None);
        paintPiece(p, r, s, column);
      }
    // Row 0: destination and step markers on dark (columns 0, 1) and light squares (2, 3).
    for (int step = 0; step < 2; ++step) {
      const QRect r = tile((dark ? 0 : 2) + step, 0);
      paintTexture(p, r, s, dark, static_cast<unsigned>(number * 1000 + 500 + dark * 2 + step));
      paintMarker(p, r, s, step == 0);
    }
  }
  paintLogo(p, QRect(4 * kSkinTile, 0, 2 * kSkinTile, kSkinTile), s);
  return image;
}

}  // namespace

QImage builtInSkin(int number, int tile) {
  if (number < 0 || number >= kBuiltInSkinCount) number = defaultAppearance.skinNumber;
  static std::map<std::pair<int, int>, QImage> cache;  // a few sizes of a few skins
  QImage& image = cache[{number, tile}];
  if (image.isNull()) image = drawSkin(styleOf(number), number, tile);
  return image;
}

QImage loadSkin(const QString& name, int number) {
  if (name.isEmpty()) return builtInSkin(number);
  const QImage file = readUserSkin(QDir("SKIN").filePath(name + ".bmp"));
  if (!file.isNull()) return file;
  appearance.skinNumber = defaultAppearance.skinNumber;
  appearance.skinName.clear();
  appearance.inkColour = defaultAppearance.inkColour;
  appearance.backgroundColour = defaultAppearance.backgroundColour;
  return builtInSkin(defaultAppearance.skinNumber, kSkinTile);
}

QImage readUserSkin(const QString& path) {
  const auto bitmap = readBitmapFile(QFile::encodeName(path).toStdString());
  if (!bitmap || bitmap->width != kSkinWidth || bitmap->height != kSkinHeight) return {};
  QImage image(kSkinWidth, kSkinHeight, QImage::Format_RGB32);
  for (int y = 0; y < kSkinHeight; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < kSkinWidth; ++x) row[x] = 0xFF000000u | bitmap->pixels[static_cast<size_t>(y * kSkinWidth + x)];
  }
  return image;
}

SkinSet makeSkinSet(const QImage& full, int builtInNumber) {
  SkinSet set;
  set.full = full;
  set.builtIn = builtInNumber;
  return set;
}

const QImage& SkinSet::forCell(int cell, qreal ratio) const {
  const int tile = std::max(1, static_cast<int>(std::lround(cell * ratio)));
  QImage& image = sized_[tile];
  if (image.isNull()) {
    if (tile == kSkinTile)
      image = full;
    else if (builtIn >= 0)
      image = builtInSkin(builtIn, tile);
    else  // a player's bitmap: scaled once for this size
      image = full.scaled(6 * tile, 7 * tile, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(static_cast<qreal>(tile) / cell);
  }
  return image;
}

void drawTile(QPainter& p, const QRectF& target, const QImage& tiles, int column, int row) {
  const int tile = tiles.width() / 6;
  p.drawImage(target, tiles, QRectF(column * tile, row * tile, tile, tile));
}

}  // namespace velmora
