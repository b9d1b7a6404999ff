#include "varnex/app/app_icon.h"

#include <QPainter>
#include <QPixmap>

namespace varnex::app {

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const qreal unit = size / 16.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(50, 50, 200));
    painter.drawRoundedRect(QRectF(1 * unit, 6 * unit, 14 * unit, 7 * unit), unit, unit);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(120, 120, 120), unit * 0.5));
    painter.drawRect(QRectF(4 * unit, 1 * unit, 8 * unit, 6 * unit));
    painter.drawRect(QRectF(4 * unit, 11 * unit, 8 * unit, 4 * unit));
    painter.setPen(QPen(QColor(150, 105, 200), unit * 0.6));
    painter.drawLine(QPointF(5 * unit, 12.5 * unit), QPointF(11 * unit, 12.5 * unit));
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace varnex::app
