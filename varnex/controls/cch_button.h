#pragma once

#include <QPushButton>

namespace varnex::controls {

// The command button of every window: a rounded outline around a vertical white-to-light
// gradient with the caption centred, a royal-blue frame while the mouse is over it, the pressed
// colours with a light-blue frame and focus rectangle while it has the focus, and the caption
// moved one pixel right and down while it is held down. Clicks behave as for any push button.
class CCHButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CCHButton(const QString& text, QWidget* parent = nullptr);

  bool hovering() const { return hover_; }
  // True when the last drawing used the pressed colours (focus or default button).
  bool pressedLook() const { return pressedLook_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void DrawGradient(class QPainter& painter, const QRect& inner);
  void DrawFrame(class QPainter& painter, const QRect& inner);

  bool hover_ = false;
  bool focused_ = false;
  bool pressedLook_ = false;
};

}  // namespace varnex::controls
