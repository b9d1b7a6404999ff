#include "varnex/controls/ipv4_address_edit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace varnex::controls {

Ipv4AddressEdit::Ipv4AddressEdit(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 1, 2, 1);
  layout->setSpacing(0);
  auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), this);
  const int fieldWidth = fontMetrics().horizontalAdvance("0000") + 4;
  for (int i = 0; i < 4; ++i) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("field%1").arg(i));
    edit->setFrame(false);
    edit->setAlignment(Qt::AlignCenter);
    edit->setValidator(digits);
    edit->setMaxLength(3);
    edit->setFixedWidth(fieldWidth);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, i] { OnFieldEdited(i); });
    fields_[static_cast<std::size_t>(i)] = edit;
    layout->addWidget(edit);
    if (i < 3) {
      auto* dot = new QLabel(QStringLiteral("."), this);
      dot->setObjectName(QStringLiteral("dot"));
      layout->addWidget(dot);
    }
  }
  setFocusProxy(fields_[0]);
}

Ipv4Fields Ipv4AddressEdit::fields() const {
  Ipv4Fields result;
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    const QString text = fields_[i]->text();
    if (!text.isEmpty()) {
      result.fields[i] = std::min(255, text.toInt());
    }
  }
  return result;
}

void Ipv4AddressEdit::setFields(const Ipv4Fields& fields) {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    fields_[i]->setText(fields.fields[i] ? QString::number(*fields.fields[i]) : QString());
  }
}

void Ipv4AddressEdit::setAddress(int a, int b, int c, int d) {
  setFields(Ipv4Fields::FromBytes(static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                                  static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(d)));
}

void Ipv4AddressEdit::clear() {
  for (QLineEdit* edit : fields_) {
    edit->clear();
  }
}

void Ipv4AddressEdit::OnFieldEdited(int index) {
  QLineEdit* edit = fields_[static_cast<std::size_t>(index)];
  if (edit->text().toInt() > 255) {
    edit->setText(QStringLiteral("255"));
  }
  if (edit->text().size() == 3 && index < 3) {
    QLineEdit* next = fields_[static_cast<std::size_t>(index + 1)];
    next->setFocus();
    next->selectAll();
  }
}

bool Ipv4AddressEdit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) {
    return QFrame::eventFilter(watched, event);
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  for (int i = 0; i < 4; ++i) {
    QLineEdit* edit = fields_[static_cast<std::size_t>(i)];
    if (watched != edit) {
      continue;
    }
    const bool separator = key->key() == Qt::Key_Period || key->key() == Qt::Key_Space;
    if (separator) {
      if (i < 3 && !edit->text().isEmpty()) {
        fields_[static_cast<std::size_t>(i + 1)]->setFocus();
        fields_[static_cast<std::size_t>(i + 1)]->selectAll();
      }
      return true;
    }
    if (key->key() == Qt::Key_Backspace && edit->text().isEmpty() && i > 0) {
      QLineEdit* previous = fields_[static_cast<std::size_t>(i - 1)];
      previous->setFocus();
      previous->end(false);
      return true;
    }
  }
  return QFrame::eventFilter(watched, event);
}

void Ipv4AddressEdit::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) {
    setBackgroundRole(isEnabled() ? QPalette::Base : QPalette::Window);
  }
  QFrame::changeEvent(event);
}

}  // namespace varnex::controls
