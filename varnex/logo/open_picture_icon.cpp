#include "varnex/logo/open_picture_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace varnex::logo {

QPixmap OpenPictureIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, true);
  // Drawn on a 32 x 32 grid and scaled to the size asked for.
  painter.scale(size / 32.0, size / 32.0);

  // The folder: its back with the tab, then the open front flap.
  const QColor folderEdge(160, 110, 20);
  painter.setPen(QPen(folderEdge, 1));
  painter.setBrush(QColor(230, 180, 60));
  QPainterPath back;
  back.moveTo(2, 7);
  back.lineTo(11, 7);
  back.lineTo(13, 9);
  back.lineTo(26, 9);
  back.lineTo(26, 27);
  back.lineTo(2, 27);
  back.closeSubpath();
  painter.drawPath(back);

  // The picture standing in the folder: a white sheet with a sun and two hills.
  painter.setPen(QPen(QColor(110, 110, 110), 1));
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(10, 3, 19, 15));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(240, 150, 30));
  painter.drawEllipse(QPointF(24.5, 7.5), 2.2, 2.2);
  painter.setBrush(QColor(60, 150, 70));
  painter.drawPolygon(QPolygonF({QPointF(11, 17), QPointF(16, 9), QPointF(21, 17)}));
  painter.setBrush(QColor(40, 110, 180));
  painter.drawPolygon(QPolygonF({QPointF(17, 17), QPointF(23, 11), QPointF(28, 17)}));

  painter.setPen(QPen(folderEdge, 1));
  painter.setBrush(QColor(250, 210, 90));
  painter.drawPolygon(
      QPolygonF({QPointF(5, 14), QPointF(30, 14), QPointF(26, 27), QPointF(2, 27)}));
  return pixmap;
}

}  // namespace varnex::logo
