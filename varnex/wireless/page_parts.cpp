#include "varnex/wireless/page_parts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "varnex/controls/cch_button.h"

namespace varnex::wireless {

QLabel* FieldLabel(int id, const QString& text) {
  auto* label = WithId(new QLabel(text), id);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

controls::CCHButton* CommandButton(int id) {
  return WithId(new controls::CCHButton(QString()), id);
}

QLineEdit* TextEdit(int id, int maxChars, std::u16string_view text) {
  auto* edit = WithId(new QLineEdit(), id);
  if (maxChars > 0) {
    edit->setMaxLength(maxChars);
  }
  edit->setText(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
  return edit;
}

QComboBox* ChoiceList(int id, std::span<const std::string_view> choices) {
  auto* combo = WithId(new QComboBox(), id);
  for (std::string_view choice : choices) {
    combo->addItem(QString::fromUtf8(choice.data(), static_cast<qsizetype>(choice.size())));
  }
  combo->setCurrentIndex(-1);
  return combo;
}

void SetCaptions(QWidget* page, std::span<const CaptionRow> rows,
                 const controls::PageContext& context) {
  for (const CaptionRow& row : rows) {
    const QString text = context.Text(row.string);
    QWidget* control = controls::FindControl<QWidget>(page, row.control);
    if (auto* label = qobject_cast<QLabel*>(control)) {
      label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
      group->setTitle(text);
    }
  }
}

}  // namespace varnex::wireless
