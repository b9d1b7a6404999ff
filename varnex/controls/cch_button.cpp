#include "varnex/controls/cch_button.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "varnex/controls/button_gradient.h"

namespace varnex::controls {
namespace {

// System edge widths of the classic look the button was drawn for.
constexpr int kEdge = 2;

QColor ToColor(const Rgb& rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

struct FramePens {
  QPen left;
  QPen right;
  QPen top;
  QPen bottom;
};

FramePens HoverPens() {
  const QColor royalBlue(65, 105, 225);
  return {QPen(royalBlue, 3), QPen(royalBlue, 3), QPen(royalBlue, 2), QPen(royalBlue, 2)};
}

FramePens FocusPens() {
  return {QPen(QColor(153, 198, 252), 3), QPen(QColor(162, 189, 252), 3),
          QPen(QColor(162, 201, 255), 2), QPen(QColor(162, 201, 255), 2)};
}

}  // namespace

CCHButton::CCHButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
  setAttribute(Qt::WA_Hover, true);
  // No button is a dialog's default: Enter does nothing unless a button has the focus, and
  // then it presses that button (keyPressEvent).
  setAutoDefault(false);
}

QSize CCHButton::sizeHint() const {
  const QFontMetrics metrics(font());
  const QSize text = metrics.size(Qt::TextShowMnemonic, this->text());
  return QSize(std::max(text.width() + 16, 80), std::max(text.height() + 10, 26));
}

void CCHButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.save();
  const QRect item = rect();

  focused_ = hasFocus();
  pressedLook_ = hasFocus() || isDown() || isDefault();
  const QRect inner = item.adjusted(kEdge, kEdge, -kEdge, -kEdge);
  DrawGradient(painter, inner);

  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(QPen(QColor(0, 0, 255), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(item).adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
  painter.setRenderHint(QPainter::Antialiasing, false);

  if (hover_ || focused_) {
    DrawFrame(painter, inner);
  }

  const QFontMetrics metrics(font());
  const int shift = isDown() ? 1 : 0;
  const QSize textSize = metrics.size(Qt::TextShowMnemonic, text());
  const QRect textRect(inner.center().x() - textSize.width() / 2 + shift,
                       inner.center().y() - textSize.height() / 2 + shift, textSize.width(),
                       textSize.height());
  if (isEnabled()) {
    painter.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());
  } else {
    // Embossed: a light copy one pixel down-right under the grey caption.
    painter.setPen(palette().color(QPalette::Light));
    painter.drawText(textRect.translated(1, 1), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());
  }
  painter.restore();
}

void CCHButton::DrawGradient(QPainter& painter, const QRect& inner) {
  const int height = inner.height();
  for (int y = inner.top(); y <= inner.bottom(); ++y) {
    const Rgb colour = GradientColour(hover_, pressedLook_, GradientIndexForRow(y, height));
    painter.fillRect(QRect(inner.left(), y, inner.width(), 1), ToColor(colour));
  }
}

void CCHButton::DrawFrame(QPainter& painter, const QRect& inner) {
  const bool focusLook = focused_ && !hover_;
  const FramePens pens = focusLook ? FocusPens() : HoverPens();
  const int left = inner.left();
  const int top = inner.top();
  const int right = inner.right() + 1;
  const int bottom = inner.bottom() + 1;
  painter.setPen(pens.left);
  painter.drawLine(left, bottom - 1, left, top + 1);
  painter.setPen(pens.right);
  painter.drawLine(right - 1, bottom - 1, right - 1, top);
  painter.setPen(pens.top);
  painter.drawLine(left - 1, top, right - 1, top);
  painter.setPen(pens.bottom);
  painter.drawLine(left, bottom, right - 1, bottom);
  if (focusLook) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = inner;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

void CCHButton::enterEvent(QEnterEvent* event) {
  hover_ = true;
  update();
  QPushButton::enterEvent(event);
}

void CCHButton::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      event->modifiers() == Qt::NoModifier) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

void CCHButton::leaveEvent(QEvent* event) {
  hover_ = false;
  update();
  QPushButton::leaveEvent(event);
}

}  // namespace varnex::controls
