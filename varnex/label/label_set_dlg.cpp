#include "varnex/label/label_set_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <chrono>
#include <string>

#include "varnex/controls/cch_button.h"
#include "varnex/controls/page_look.h"
#include "varnex/controls/page_parts.h"
#include "varnex/label/config_commands.h"
#include "varnex/label/model_text.h"
#include "varnex/label/paper_size.h"
#include "varnex/label/text_commands.h"

namespace varnex::label {
namespace {

constexpr int kSetCaption = 130;  // "Setting"

// Captions that follow the UI language: control id, string id. The model-setting label (1135)
// keeps its own text in both languages.
constexpr controls::CaptionRow kCaptions[] = {
    {1056, 126},         {1057, 127},         {1058, 128},         {1068, 129},
    {1069, kSetCaption}, {1065, 131},         {1066, kSetCaption}, {1071, 135},
    {1072, kSetCaption}, {1059, 132},         {1062, 133},         {1061, kSetCaption},
    {1074, 134},         {1075, kSetCaption}, {1077, 190},         {1078, kSetCaption},
    {1080, 222},         {1081, kSetCaption}, {1083, 227},         {1084, kSetCaption},
    {1086, 238},         {1087, kSetCaption}, {1137, kSetCaption}, {1128, 221},
    {1105, 218},         {1106, 219},
};

// One row of a column: label, drop-down list, Set button.
struct ListRow {
  int label;
  Combo combo;
  int button;
};
constexpr ListRow kLeftRows[] = {
    {1068, Combo::Direction, 1069},       {1065, Combo::MediaSensor, 1066},
    {1071, Combo::CommandLanguage, 1072}, {1077, Combo::Reprint, 1078},
    {1083, Combo::SensorTubeType, 1084},
};
// Below the two paper-size rows.
constexpr ListRow kRightRows[] = {
    {1074, Combo::Density, 1075},
    {1080, Combo::SensorIntensity, 1081},
    {1086, Combo::SupplyVoltage, 1087},
};

// Buttons that send a configuration sequence chosen by the text their list shows.
struct ConfigButton {
  int button;
  Combo combo;
  ConfigSetting setting;
};
constexpr ConfigButton kConfigButtons[] = {
    {1072, Combo::CommandLanguage, ConfigSetting::CommandLanguage},
    {1078, Combo::Reprint, ConfigSetting::Reprint},
    {1081, Combo::SensorIntensity, ConfigSetting::SensorIntensity},
    {1087, Combo::SupplyVoltage, ConfigSetting::SupplyVoltage},
};

// Buttons that send a command which never changes.
struct FixedButton {
  int button;
  FixedCommand command;
};
constexpr FixedButton kFixedButtons[] = {
    {1105, FixedCommand::CalibrateSensor},
    {1106, FixedCommand::TestLabel},
};

// The lists whose entries are string-table texts, refilled on a language switch.
constexpr Combo kLanguageLists[] = {Combo::MediaSensor, Combo::SensorTubeType};

// Grid columns: left label, list, button, gap, right label, list or edit, button.
constexpr int kLeftLabelColumn = 0;
constexpr int kRightLabelColumn = 4;
constexpr int kLastColumn = 6;
constexpr int kColumnGap = 16;

using controls::FieldLabel;
using controls::TextEdit;
using controls::WithId;

// The supply voltage button (1087) is a plain push button. Like any push button with the focus,
// Enter presses it; it never becomes the window's default button, so Enter elsewhere does not.
class PlainButton final : public QPushButton {
 public:
  PlainButton() { setAutoDefault(false); }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
      click();
      return;
    }
    QPushButton::keyPressEvent(event);
  }
};

// Every command button is owner-drawn except the supply voltage one (1087).
QPushButton* CommandButton(int id) {
  if (id == 1087) {
    return WithId(new PlainButton(), id);
  }
  return controls::CommandButton(id);
}

void AddListRow(QGridLayout* grid, int row, int column, const ListRow& list, QComboBox* combo) {
  grid->addWidget(FieldLabel(list.label), row, column);
  grid->addWidget(combo, row, column + 1);
  grid->addWidget(CommandButton(list.button), row, column + 2);
}

std::string ShownText(const QComboBox* combo) {
  return combo->currentText().toStdString();
}

}  // namespace

LabelSetDlg::LabelSetDlg(controls::PageContext& context, QWidget* parent)
    : controls::TabPage(parent), context_(context) {
  auto* top = new QHBoxLayout();
  top->addWidget(BuildUnitGroup());
  top->addStretch(1);

  auto* grid = new QGridLayout();
  BuildLeftColumn(grid);
  BuildRightColumn(grid);
  BuildModelRow(grid, static_cast<int>(std::size(kLeftRows)));
  grid->setColumnMinimumWidth(3, kColumnGap);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(5, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(grid);
  layout->addSpacing(12);
  layout->addLayout(BuildActionRow());
  layout->addStretch(1);

  RefreshTexts();
  for (Combo combo : {Combo::Direction, Combo::CommandLanguage, Combo::Density, Combo::MediaSensor,
                      Combo::Reprint, Combo::SensorIntensity, Combo::SensorTubeType}) {
    const ComboChoices choices = ChoicesOf(combo);
    controls::FindControl<QComboBox>(this, choices.controlId)
        ->setCurrentIndex(static_cast<int>(choices.defaultIndex));
  }
  ConnectButtons();

  controls::ApplyPageLook(this);
}

QWidget* LabelSetDlg::BuildUnitGroup() {
  auto* group = WithId(new QGroupBox(), 1056);
  auto* box = new QHBoxLayout(group);
  millimetres_ = WithId(new QRadioButton(), 1057);
  inches_ = WithId(new QRadioButton(), 1058);
  millimetres_->setChecked(true);
  box->addWidget(millimetres_);
  box->addWidget(inches_);
  return group;
}

void LabelSetDlg::BuildLeftColumn(QGridLayout* grid) {
  int row = 0;
  for (const ListRow& list : kLeftRows) {
    AddListRow(grid, row++, kLeftLabelColumn, list, ChoiceList(list.combo));
  }
}

void LabelSetDlg::BuildRightColumn(QGridLayout* grid) {
  width_ = TextEdit(1060, 0, kDefaultWidthText);
  height_ = TextEdit(1063, 0, kDefaultHeightText);
  grid->addWidget(FieldLabel(1059), 0, kRightLabelColumn);
  grid->addWidget(width_, 0, kRightLabelColumn + 1);
  grid->addWidget(FieldLabel(1062), 1, kRightLabelColumn);
  grid->addWidget(height_, 1, kRightLabelColumn + 1);
  // One Set button beside both size rows.
  QPushButton* size = CommandButton(1061);
  size->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
  grid->addWidget(size, 0, kLastColumn, 2, 1);

  int row = 2;
  for (const ListRow& list : kRightRows) {
    AddListRow(grid, row++, kRightLabelColumn, list, ChoiceList(list.combo));
  }
}

void LabelSetDlg::BuildModelRow(QGridLayout* grid, int row) {
  model_ = TextEdit(1136, 0, kDefaultModelText);
  grid->addWidget(FieldLabel(1135, QStringLiteral(" Mode Setting:")), row, kLeftLabelColumn);
  grid->addWidget(model_, row, kLeftLabelColumn + 1, 1, kLastColumn - 1);
  grid->addWidget(CommandButton(1137), row, kLastColumn);
}

QLayout* LabelSetDlg::BuildActionRow() {
  auto* row = new QHBoxLayout();
  for (int id : {1128, 1105, 1106}) {
    row->addWidget(CommandButton(id), 1);
  }
  return row;
}

// A drop-down list with its fixed entries and nothing selected; the entries of the
// language-dependent lists come with RefreshTexts.
QComboBox* LabelSetDlg::ChoiceList(Combo combo) {
  const ComboChoices choices = ChoicesOf(combo);
  QComboBox* list = controls::ChoiceList(choices.controlId, choices.texts);
  list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return list;
}

void LabelSetDlg::ConnectButtons() {
  const auto onClick = [this](int id, auto handler) {
    connect(controls::FindControl<QPushButton>(this, id), &QPushButton::clicked, this, handler);
  };
  const auto list = [this](Combo combo) {
    return controls::FindControl<QComboBox>(this, ChoicesOf(combo).controlId);
  };

  // Either radio runs the switch; choosing the unit already in use changes nothing.
  connect(millimetres_, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) {
      OnUnitSelected(Unit::Millimetres);
    }
  });
  connect(inches_, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) {
      OnUnitSelected(Unit::Inches);
    }
  });

  onClick(1061, [this] { OnPaperSize(); });
  onClick(1066, [this] { OnMediaSensor(); });
  onClick(1128, [this] { OnAdVisualization(); });
  onClick(1137, [this] { Carry(BuildModelText(model_->text().toStdU16String())); });

  QComboBox* direction = list(Combo::Direction);
  onClick(1069, [this, direction] { Carry(Outcome::Send(BuildDirection(ShownText(direction)))); });
  QComboBox* density = list(Combo::Density);
  onClick(1075, [this, density] { Carry(Outcome::Send(BuildDensity(ShownText(density)))); });
  QComboBox* tube = list(Combo::SensorTubeType);
  onClick(1084, [this, tube] { Carry(Outcome::Send(BuildSensorTubeType(tube->currentIndex()))); });

  for (const ConfigButton& row : kConfigButtons) {
    QComboBox* combo = list(row.combo);
    const ConfigSetting setting = row.setting;
    onClick(row.button, [this, combo, setting] {
      Carry(Outcome::Send(BuildConfig(setting, ShownText(combo))));
    });
  }
  for (const FixedButton& row : kFixedButtons) {
    const FixedCommand command = row.command;
    onClick(row.button, [this, command] { Carry(Outcome::Send(BuildFixedCommand(command))); });
  }
}

void LabelSetDlg::RefreshTexts() {
  controls::SetCaptions(this, kCaptions, context_);

  for (Combo combo : kLanguageLists) {
    const ComboChoices choices = ChoicesOf(combo);
    auto* list = controls::FindControl<QComboBox>(this, choices.controlId);
    const int selected = list->currentIndex();
    list->clear();
    for (int id : choices.stringIds) {
      list->addItem(context_.Text(id));
    }
    list->setCurrentIndex(selected);
  }

  const ComboChoices voltage = ChoicesOf(Combo::SupplyVoltage);
  controls::FindControl<QComboBox>(this, voltage.controlId)
      ->setCurrentIndex(static_cast<int>(voltage.defaultIndex));
}

void LabelSetDlg::OnUnitSelected(Unit unit) {
  if (unit == unit_) {
    return;
  }
  const PaperSizeTexts converted = ConvertPaperSizeTexts(
      {width_->text().toStdU16String(), height_->text().toStdU16String()}, unit_, unit);
  unit_ = unit;
  width_->setText(QString::fromStdU16String(converted.width));
  height_->setText(QString::fromStdU16String(converted.height));
}

void LabelSetDlg::OnPaperSize() {
  Carry(BuildPaperSize(width_->text().toStdU16String(), height_->text().toStdU16String(), unit_));
}

void LabelSetDlg::OnMediaSensor() {
  const SensorNames names{context_.texts.Text(kGapPaperStringId),
                          context_.texts.Text(kBlackMarkPaperStringId),
                          context_.texts.Text(kContinuousPaperStringId)};
  const auto* list =
      controls::FindControl<QComboBox>(this, ChoicesOf(Combo::MediaSensor).controlId);
  Carry(Outcome::Send(BuildSetSensor(ShownText(list), names)));
}

void LabelSetDlg::OnAdVisualization() {
  if (context_.printer.Send(BuildFixedCommand(FixedCommand::AdVisualization))) {
    // The printer reads out its sensor before it takes the next command.
    context_.sleeper.Sleep(std::chrono::milliseconds(kAdVisualizationPauseMs));
  }
}

void LabelSetDlg::Carry(const Outcome& outcome) {
  if (outcome.IsRefused()) {
    context_.ShowMessage(this, controls::FromUtf8(outcome.refusal));
    return;
  }
  context_.printer.SendInOrder(outcome.sends);
}

}  // namespace varnex::label
