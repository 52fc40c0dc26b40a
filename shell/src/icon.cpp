// The program icon, drawn at each size: two stars on a blue tile.

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

#include "twostar/panel/panel_window.h"
#include "twostar/shell/main_window.h"

namespace twostar {

namespace {

QPainterPath star(QPointF centre, qreal outer) {
  QPainterPath path;
  for (int k = 0; k < 10; ++k) {
    const qreal r = k % 2 ? outer * 0.42 : outer;
    const qreal a = -M_PI / 2 + k * M_PI / 5;
    const QPointF p(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
    k ? path.lineTo(p) : path.moveTo(p);
  }
  path.closeSubpath();
  return path;
}

}  // namespace

const std::vector<int>& programIconSizes() {
  static const std::vector<int> sizes = {16, 20, 24, 32, 40, 48, 64, 128};
  return sizes;
}

QImage programIconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 110, 190));
  p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
  p.setBrush(panelBlue.lighter(115));
  p.drawPath(star(QPointF(size * 0.32, size * 0.56), size * 0.26));
  p.setBrush(QColor(255, 214, 90));
  p.drawPath(star(QPointF(size * 0.68, size * 0.40), size * 0.26));
  p.end();
  return image;
}

QIcon programIcon() {
  QIcon icon;
  for (int size : programIconSizes()) icon.addPixmap(QPixmap::fromImage(programIconImage(size)));
  return icon;
}

}  // namespace twostar
