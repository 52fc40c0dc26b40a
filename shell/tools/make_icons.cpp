// Writes the program icon as PNG files into a hicolor icon theme tree:
//   make_icons DIR  ->  DIR/16x16/apps/twostar.png ... DIR/128x128/apps/twostar.png

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include "twostar/shell/main_window.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  for (int size : twostar::programIconSizes()) {
    const QString dir = QString("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
    if (!QDir().mkpath(dir) || !twostar::programIconImage(size).save(dir + "/twostar.png")) return 1;
  }
  return 0;
}
