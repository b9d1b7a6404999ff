#include "varnex/controls/page_parts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "varnex/controls/cch_button.h"

namespace varnex::controls {

QLabel* FieldLabel(int id, const QString& text) {
  auto* label = WithId(new QLabel(text), id);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

CCHButton* CommandButton(int id) {
  return WithId(new CCHButton(QString()), id);
}

QLineEdit* TextEdit(int id, int maxChars, std::u16string_view text) {
  auto* edit = WithId(new QLineEdit(), id);
  if (maxChars > 0) {
    edit->setMaxLength(maxChars);
  }
  edit->setText(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
  return edit;
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QComboBox* ChoiceList(int id, std::span<const std::string_view> choices, int selected) {
  auto* combo = WithId(new QComboBox(), id);
  for (std::string_view choice : choices) {
    combo->addItem(FromUtf8(choice));
  }
  combo->setCurrentIndex(selected);
  return combo;
}

void SetCaptions(QWidget* page, std::span<const CaptionRow> rows, const PageContext& context) {
  for (const CaptionRow& row : rows) {
    const QString text = context.Text(row.string);
    QWidget* control = FindControl<QWidget>(page, row.control);
    if (auto* label = qobject_cast<QLabel*>(control)) {
      label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
      group->setTitle(text);
    }
  }
}

}  // namespace varnex::controls
