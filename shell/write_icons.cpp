// Writes the program's icon as PNG files of the sizes the desktop asks for,
// at build time, from the same drawing the window uses.

#include <QDir>
#include <QGuiApplication>

#include "shell/paint/app_icon.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) return 2;
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  const QIcon icon = velmora::appIcon();
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    const QString name = folder.filePath(QString("%1x%1/apps/velmora.png").arg(size));
    QDir().mkpath(QFileInfo(name).absolutePath());
    if (!icon.pixmap(size).toImage().scaled(size, size).save(name)) return 1;
  }
  return 0;
}
