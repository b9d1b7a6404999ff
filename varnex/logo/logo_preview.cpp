#include "varnex/logo/logo_preview.h"

#include <QPainter>
#include <algorithm>

namespace varnex::logo {
namespace {

// The colour of the area behind the picture.
const QColor kPreviewBackground(240, 240, 240);

}  // namespace

QRect PreviewTarget(const QSize& area, const QSize& picture) {
  return QRect(0, 0, std::min(area.width(), picture.width()),
               std::min(area.height(), picture.height()));
}

LogoPreview::LogoPreview(const QSize& area, QWidget* parent) : QWidget(parent) {
  setFixedSize(area);
}

void LogoPreview::ShowPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void LogoPreview::Clear() {
  picture_ = QImage();
  update();
}

void LogoPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kPreviewBackground);
  if (picture_.isNull()) {
    return;
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(PreviewTarget(size(), picture_.size()), picture_);
}

}  // namespace varnex::logo
