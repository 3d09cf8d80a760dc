#include "shell/paint/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

namespace velmora {

namespace {

// A corner of a board, two by two squares, with a light man standing on a
// dark square in front of a dark king: the game at a glance, legible at 16
// pixels.
QPixmap drawIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size, half = s / 2, radius = s * 0.12;
  QPainterPath frame;
  frame.addRoundedRect(QRectF(0, 0, s, s), radius, radius);
  p.setClipPath(frame);
  const QColor light(0xEC, 0xD6, 0xA8), dark(0x78, 0x4D, 0x27);
  p.fillRect(QRectF(0, 0, half, half), light);
  p.fillRect(QRectF(half, 0, half, half), dark);
  p.fillRect(QRectF(0, half, half, half), dark);
  p.fillRect(QRectF(half, half, half, half), light);

  const auto piece = [&](QPointF centre, QColor body, QColor rim, bool crowned) {
    const qreal r = s * 0.21;
    p.setPen(QPen(rim, std::max(1.0, s * 0.03)));
    p.setBrush(body);
    p.drawEllipse(centre, r, r);
    p.drawEllipse(centre, r * 0.62, r * 0.62);
    if (crowned) {
      p.setBrush(rim);
      p.setPen(Qt::NoPen);
      p.drawEllipse(centre, r * 0.28, r * 0.28);
    }
  };
  piece(QPointF(half * 1.5, half * 0.5), QColor(0x30, 0x22, 0x18), QColor(0xE8, 0xB0, 0x50), true);
  piece(QPointF(half * 0.5, half * 1.5), QColor(0xFA, 0xF4, 0xE6), QColor(0x5A, 0x3A, 0x1E), false);
  return pixmap;
}

}  // namespace

QIcon appIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(drawIcon(size));
  return icon;
}

}  // namespace velmora
