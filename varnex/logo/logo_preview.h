#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace varnex::logo {

// Where a picture is drawn in a preview area: from the area's top-left corner, as wide as the
// narrower and as high as the lower of the two. A larger picture is squeezed into the area, a
// smaller one keeps its own size.
QRect PreviewTarget(const QSize& area, const QSize& picture);

// The preview area of the NV logo dialog: a fixed light-grey area showing the chosen picture at
// its top-left corner (see PreviewTarget). It keeps the picture until it is cleared, so every
// repaint shows it again.
class LogoPreview : public QWidget {
  Q_OBJECT

 public:
  explicit LogoPreview(const QSize& area, QWidget* parent = nullptr);

  void ShowPicture(const QImage& picture);
  void Clear();
  bool hasPicture() const { return !picture_.isNull(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace varnex::logo
