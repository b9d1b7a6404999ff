#include "varnex/maintenance/cdlg_self_test.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <string_view>

#include "varnex/controls/cch_button.h"
#include "varnex/controls/page_look.h"
#include "varnex/controls/page_parts.h"

namespace varnex::maintenance {
namespace {

QString FromUtf16(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

using controls::WithId;

}  // namespace

CDlgSelfTest::CDlgSelfTest(controls::PageContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setWindowTitle(QStringLiteral("SelfTest"));
  auto* grid = new QGridLayout(this);
  int line = 0;
  for (const SelfTestFieldRow& row : SelfTestFields()) {
    grid->addWidget(WithId(new QLabel(FromUtf16(row.label)), row.labelId), line, 0);
    auto* edit = WithId(new QLineEdit(FromUtf16(row.defaultText)), row.editId);
    edit->setMaxLength(static_cast<int>(row.characterLimit));
    grid->addWidget(edit, line, 1);
    auto* button = WithId(new controls::CCHButton(FromUtf16(kSetButtonCaption)), row.buttonId);
    grid->addWidget(button, line, 2);
    connect(button, &QPushButton::clicked, this, [this, &row] { OnSet(row); });
    ++line;
  }
  // Wide enough for a full 30-character header.
  grid->setColumnMinimumWidth(
      1, fontMetrics().horizontalAdvance(QStringLiteral("RX-42K Thermal Printer 0123456")));
  grid->setSizeConstraint(QLayout::SetFixedSize);
  controls::ApplyPageLook(this);
}

void CDlgSelfTest::OnSet(const SelfTestFieldRow& row) {
  const QLineEdit* edit = controls::FindControl<QLineEdit>(this, row.editId);
  const SelfTestOutcome outcome = BuildSelfTestText(row.field, edit->text().toStdU16String());
  if (outcome.IsRefused()) {
    context_.ShowMessage(this, *outcome.refusalMessageId);
    return;
  }
  context_.printer.SendInOrder(outcome.sends);
}

}  // namespace varnex::maintenance
