#include "varnex/receipt/thermal_set_dlg.h"
#include "varnex/controls/page_parts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <chrono>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "varnex/controls/cch_button.h"
#include "varnex/controls/page_look.h"
#include "varnex/maintenance/cdialog_test_sys.h"
#include "varnex/maintenance/cdlg_self_test.h"
#include "varnex/receipt/code_pages.h"
#include "varnex/receipt/fixed_actions.h"
#include "varnex/receipt/free_text.h"
#include "varnex/receipt/setting_rows.h"
#include "varnex/receipt/usb_ids.h"

namespace varnex::receipt {
namespace {

// Shown by the buttons that open a dialog needing the printer (the same text in both languages).
const QString kNotConnected = QStringLiteral("打印机未连接!");

// How long the self-test button stays blocked after its send.
constexpr std::chrono::milliseconds kSelfTestBlock{1000};

// The page is a grid of two (list, button) pairs a row: the left list, its button, a gap, the
// right list, its button. The top frame line takes grid row 0, so the setting rows start at 1.
constexpr int kLeft = 0;
constexpr int kRight = 3;
constexpr int kGapColumn = 2;
constexpr int kColumnCount = 5;
constexpr int kFirstSettingRow = 1;
constexpr int kActionRow = 9;  // counted from the first setting row
constexpr int kLowerLineRow = kFirstSettingRow + kActionRow + 1;
constexpr int kPrintRow = kLowerLineRow + 1;

// A drop-down list with its button. `row` counts from the first setting row; `column` is the
// list's grid column, its button sits in the next one.
struct ListRow {
  int list;
  int button;
  int row;
  int column;
  std::optional<Setting> setting;  // none: the default code page
};
constexpr ListRow kListRows[] = {
    {1032, 1033, 0, kLeft, Setting::PrintMode},
    {1034, 1035, 0, kRight, Setting::Buzzer},
    {1036, 1037, 1, kLeft, Setting::Cutter},
    {1038, 1039, 1, kRight, Setting::SerialBaudRate},
    {1040, 1041, 2, kLeft, Setting::PrintDensity},
    {1042, 1043, 2, kRight, Setting::CharacterSet},
    {1044, 1045, 3, kLeft, Setting::DefaultCharacterFont},
    {1046, 1047, 3, kRight, Setting::OrderReminder},
    {1057, 1058, 5, kLeft, std::nullopt},
    {1060, 1061, 5, kRight, Setting::CutterOrderReminder},
    {1112, 1063, 6, kLeft, Setting::Dhcp},
    {1113, 1064, 6, kRight, Setting::PrintSpeed},
    {1115, 1066, 7, kLeft, Setting::UsbInterfaceType},
    {1114, 1065, 7, kRight, Setting::UsbMultiPort},
    {1116, 1067, 8, kLeft, Setting::PrintWidth},
};

// A USB id edit with its button.
struct ValueRow {
  int edit;
  int button;
  int row;
  int column;
  std::string_view initialText;
  Bytes (*build)(std::string_view text);
};
constexpr ValueRow kValueRows[] = {
    {1081, 1052, 4, kLeft, kDefaultUsbProductIdText, &BuildUsbProductId},
    {1082, 1056, 4, kRight, kDefaultUsbVendorIdText, &BuildUsbVendorId},
};

// The buttons that always send the same bytes, at their grid cells.
struct ActionButton {
  int button;
  int row;
  int column;
  FixedAction action;
};
constexpr ActionButton kActionButtons[] = {
    {1050, 8, kRight + 1, FixedAction::FeedAndCut},
    {1059, kActionRow, kLeft, FixedAction::CodePageTestPrint},
    {1048, kActionRow, kLeft + 1, FixedAction::RestoreFactorySettings},
    {1062, kActionRow, kRight, FixedAction::CashDrawerPulse},
    {1049, kActionRow, kRight + 1, FixedAction::SelfTestPage},
};
constexpr int kLogoButton = 1051;  // shares the print width row, in the right list's column
constexpr int kLogoButtonRow = 8;

// The captions that follow the UI language, in the order they are set. Lists, edits, the HEX
// box and the two hidden buttons keep their texts.
constexpr controls::CaptionRow kCaptions[] = {
    {1033, 110}, {1035, 111}, {1037, 112}, {1039, 113}, {1041, 114}, {1043, 115},
    {1045, 116}, {1047, 117}, {1048, 118}, {1049, 119}, {1050, 120}, {1051, 121},
    {1052, 122}, {1056, 123}, {1055, 124}, {1058, 188}, {1059, 189}, {1061, 220},
    {1063, 230}, {1064, 231}, {1062, 232}, {1065, 235}, {1066, 236}, {1067, 237},
};

// The buttons created hidden: nothing on the page shows them; the main window reaches their
// handlers (OnSelfTestSettings, OnTestSystem).
constexpr int kSelfTestSettingsButton = 1127;
constexpr int kTestSystemButton = 1128;

using controls::FromUtf8;
using controls::WithId;

QComboBox* ChoiceList(int id, std::span<const std::string_view> entries, std::size_t selected) {
  QComboBox* list = controls::ChoiceList(id, entries, static_cast<int>(selected));
  list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  return list;
}

QComboBox* ListFor(const ListRow& row) {
  if (!row.setting) {
    return ChoiceList(row.list, CodePageNames(), kDefaultCodePageIndex);
  }
  const SettingRow& setting = RowOf(*row.setting);
  const std::vector<std::string_view> texts = setting.ChoiceTexts();
  return ChoiceList(row.list, texts, setting.DefaultIndex());
}

Bytes BuildListRow(const ListRow& row, const QString& shownText) {
  const std::string text = shownText.toStdString();
  return row.setting ? BuildSetting(*row.setting, text) : BuildDefaultCodePage(text);
}

QFrame* FrameLine() {
  auto* line = new QFrame();
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

// Keyboard focus walks the grid row by row, left to right, then the print row.
void OrderFocusByGrid(const QGridLayout* grid, std::span<QWidget* const> after) {
  std::vector<QWidget*> chain;
  for (int row = 0; row < grid->rowCount(); ++row) {
    for (int column = 0; column < grid->columnCount(); ++column) {
      const QLayoutItem* item = grid->itemAtPosition(row, column);
      QWidget* widget = item != nullptr ? item->widget() : nullptr;
      if (widget != nullptr && widget->focusPolicy() != Qt::NoFocus &&
          (chain.empty() || chain.back() != widget)) {
        chain.push_back(widget);
      }
    }
  }
  chain.insert(chain.end(), after.begin(), after.end());
  for (std::size_t i = 1; i < chain.size(); ++i) {
    QWidget::setTabOrder(chain[i - 1], chain[i]);
  }
}

}  // namespace

ThermalSetDlg::ThermalSetDlg(controls::PageContext& context, QWidget* parent)
    : controls::TabPage(parent), context_(context) {
  auto* grid = new QGridLayout(this);
  grid->addWidget(FrameLine(), 0, 0, 1, kColumnCount);
  BuildSettingRows(grid);
  BuildActionButtons(grid);
  grid->addWidget(FrameLine(), kLowerLineRow, 0, 1, kColumnCount);
  grid->addWidget(BuildPrintRow(), kPrintRow, 0, 1, kColumnCount);
  grid->setColumnMinimumWidth(kGapColumn, 16);
  grid->setColumnStretch(kLeft, 1);
  grid->setColumnStretch(kRight, 1);
  grid->setRowStretch(kPrintRow + 1, 1);  // spare height stays below the print row

  QWidget* const printRow[] = {printBox_, hex_, controls::FindControl<QPushButton>(this, 1055)};
  OrderFocusByGrid(grid, printRow);

  WithId(new controls::CCHButton(QStringLiteral("自检页设置"), this), kSelfTestSettingsButton)
      ->hide();
  WithId(new controls::CCHButton(QStringLiteral("打印机测试系统"), this), kTestSystemButton)
      ->hide();

  RefreshTexts();
  ConnectButtons();
  controls::ApplyPageLook(this);
}

void ThermalSetDlg::BuildSettingRows(QGridLayout* grid) {
  for (const ListRow& row : kListRows) {
    grid->addWidget(ListFor(row), kFirstSettingRow + row.row, row.column);
    grid->addWidget(WithId(new controls::CCHButton(QString()), row.button),
                    kFirstSettingRow + row.row, row.column + 1);
  }
  for (const ValueRow& row : kValueRows) {
    auto* edit = WithId(new QLineEdit(FromUtf8(row.initialText)), row.edit);
    edit->setMaxLength(static_cast<int>(kUsbIdTextLimit));
    grid->addWidget(edit, kFirstSettingRow + row.row, row.column);
    grid->addWidget(WithId(new controls::CCHButton(QString()), row.button),
                    kFirstSettingRow + row.row, row.column + 1);
  }
}

void ThermalSetDlg::BuildActionButtons(QGridLayout* grid) {
  for (const ActionButton& action : kActionButtons) {
    grid->addWidget(WithId(new controls::CCHButton(QString()), action.button),
                    kFirstSettingRow + action.row, action.column);
  }
  grid->addWidget(WithId(new controls::CCHButton(QString()), kLogoButton),
                  kFirstSettingRow + kLogoButtonRow, kRight);
}

QWidget* ThermalSetDlg::BuildPrintRow() {
  auto* row = new QWidget();
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);

  printBox_ = WithId(new QPlainTextEdit(), 1053);
  printBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  printBox_->setTabChangesFocus(true);
  // About four lines of text; longer texts scroll.
  printBox_->setFixedHeight(printBox_->fontMetrics().lineSpacing() * 4 +
                            2 * printBox_->frameWidth() + 8);
  layout->addWidget(printBox_, 1);

  auto* group = WithId(new QGroupBox(), 1083);
  auto* groupLayout = new QHBoxLayout(group);
  hex_ = WithId(new QCheckBox(QStringLiteral("HEX")), 1054);
  groupLayout->addWidget(hex_);
  groupLayout->addWidget(WithId(new controls::CCHButton(QString()), 1055));
  layout->addWidget(group, 0, Qt::AlignBottom);
  return row;
}

void ThermalSetDlg::ConnectButtons() {
  const auto onClick = [this](int id, auto handler) {
    connect(controls::FindControl<QPushButton>(this, id), &QPushButton::clicked, this, handler);
  };
  for (const ListRow& row : kListRows) {
    const QComboBox* list = controls::FindControl<QComboBox>(this, row.list);
    onClick(row.button, [this, row, list] {
      const Bytes bytes = BuildListRow(row, list->currentText());
      if (!bytes.empty()) {  // only a text outside the list's entries builds nothing
        context_.printer.Send(bytes);
      }
    });
  }
  for (const ValueRow& row : kValueRows) {
    const QLineEdit* edit = controls::FindControl<QLineEdit>(this, row.edit);
    onClick(row.button,
            [this, row, edit] { context_.printer.Send(row.build(edit->text().toStdString())); });
  }
  for (const ActionButton& action : kActionButtons) {
    if (action.action == FixedAction::SelfTestPage) {
      onClick(action.button, [this] { OnSelfTestPage(); });
      continue;
    }
    const FixedAction which = action.action;
    onClick(action.button, [this, which] { context_.printer.Send(BuildFixedAction(which)); });
  }
  onClick(kLogoButton, [this] { OnLogo(); });
  onClick(1055, [this] { OnPrint(); });
  onClick(kSelfTestSettingsButton, [this] { OnSelfTestSettings(); });
  onClick(kTestSystemButton, [this] { OnTestSystem(); });
}

void ThermalSetDlg::RefreshTexts() {
  controls::SetCaptions(this, kCaptions, context_);
}

void ThermalSetDlg::SetLogoDialogOpener(std::function<void()> opener) {
  logoDialogOpener_ = std::move(opener);
}

void ThermalSetDlg::OnSelfTestSettings() {
  // The page's values live in its controls; the dialog neither reads nor changes them.
  maintenance::CDlgSelfTest dialog(context_, this);
  RunDialog(dialog);
}

void ThermalSetDlg::OnTestSystem() {
  if (!context_.printer.IsConnected()) {
    context_.ShowMessage(this, kNotConnected);
    return;
  }
  maintenance::CDialogTestSys dialog(this);
  RunDialog(dialog);
}

int ThermalSetDlg::RunDialog(QDialog& dialog) {
  return dialog.exec();
}

void ThermalSetDlg::OnSelfTestPage() {
  context_.printer.Send(BuildFixedAction(FixedAction::SelfTestPage));
  // The printer needs a moment before the next self-test request; the button stays blocked.
  QPushButton* button = controls::FindControl<QPushButton>(this, 1049);
  button->setEnabled(false);
  context_.sleeper.Sleep(kSelfTestBlock);
  button->setEnabled(true);
}

void ThermalSetDlg::OnPrint() {
  Outcome outcome;
  try {
    outcome = BuildPrintBox(printBox_->toPlainText().toStdU16String(), hex_->isChecked());
  } catch (const std::bad_alloc&) {
    context_.ShowMessage(this, 168);  // the conversion buffer could not be obtained
    return;
  }
  if (outcome.IsRefused()) {
    context_.ShowMessage(this, FromUtf8(outcome.refusal));
    return;
  }
  // Hex text that starts with no valid byte still makes its one (empty) send.
  for (const Bytes& bytes : outcome.sends) {
    context_.printer.Send(bytes);
  }
}

void ThermalSetDlg::OnLogo() {
  if (!context_.printer.IsConnected()) {
    context_.ShowMessage(this, kNotConnected);
    return;
  }
  if (logoDialogOpener_) {
    logoDialogOpener_();
  }
}

}  // namespace varnex::receipt
