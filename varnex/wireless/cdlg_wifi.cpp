#include "varnex/wireless/cdlg_wifi.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <chrono>

#include "varnex/controls/cch_button.h"
#include "varnex/controls/ipv4_address_edit.h"
#include "varnex/controls/page_look.h"
#include "varnex/controls/page_parts.h"
#include "varnex/wireless/page_outcome.h"
#include "varnex/wireless/wifi_commands.h"
#include "varnex/wireless/wifi_page_defaults.h"

namespace varnex::wireless {
namespace {

using controls::CaptionRow;
using controls::ChoiceList;
using controls::CommandButton;
using controls::FieldLabel;
using controls::SetCaptions;
using controls::TextEdit;
using controls::WithId;

constexpr int kSetCaption = 252;    // "Settings"
constexpr int kQueryCaption = 250;  // "Query"

// The captions that follow the UI language; the address labels "IP :", "GW:" and "Sub:" keep
// the same text in both languages.
constexpr CaptionRow kCaptions[] = {
    {1106, 239},           {1107, 240},           {1109, kSetCaption},
    {1151, 253},           {1129, kSetCaption},   {1130, kQueryCaption},
    {1110, 242},           {1111, 243},           {1119, kSetCaption},
    {1120, kQueryCaption}, {1121, 244},           {1123, 245},
    {1125, kSetCaption},   {1126, kQueryCaption}, {1141, 246},
    {1142, 247},           {1144, 248},           {1146, 249},
    {1127, kSetCaption},   {1128, kQueryCaption}, {1148, kWifiRestoreFactoryCaption},
    {1152, 254},
};

// The query buttons: each sends its four bytes.
struct QueryButton {
  int button;
  WifiRequest request;
};
constexpr QueryButton kQueryButtons[] = {
    {1130, WifiRequest::BaudQuery},
    {1120, WifiRequest::StationAddressQuery},
    {1126, WifiRequest::NetworkQuery},
    {1128, WifiRequest::AccessPointQuery},
};

// The station address rows: fixed label, address control.
struct AddressRow {
  int label;
  const char* caption;
  int control;
};
constexpr AddressRow kStationAddressRows[] = {
    {1113, "IP :", 1114},
    {1115, "GW:", 1116},
    {1117, "Sub:", 1118},
};

std::string ComboText(const QComboBox* combo) {
  return combo->currentText().toStdString();
}

// Two buttons stacked, for the right-hand column of a group.
QVBoxLayout* ButtonColumn(int first, int second) {
  auto* column = new QVBoxLayout();
  column->addStretch(1);
  column->addWidget(CommandButton(first));
  column->addWidget(CommandButton(second));
  column->addStretch(1);
  return column;
}

}  // namespace

CDlgWIFI::CDlgWIFI(controls::PageContext& context, QWidget* parent)
    : controls::TabPage(parent), context_(context) {
  auto* layout = new QGridLayout(this);
  layout->addWidget(BuildModeGroup(), 0, 0);
  layout->addWidget(BuildBaudGroup(), 0, 1);
  layout->addWidget(BuildStationGroup(), 1, 0);
  layout->addWidget(BuildAccessPointGroup(), 1, 1);

  factoryReset_ = CommandButton(1148);
  auto* note = WithId(new QLabel(), 1152);
  note->setWordWrap(true);
  auto* bottom = new QHBoxLayout();
  bottom->addWidget(factoryReset_, 0, Qt::AlignVCenter);
  bottom->addWidget(note, 1);
  layout->addLayout(bottom, 2, 0, 1, 2);
  layout->setRowStretch(3, 1);
  layout->setColumnStretch(0, 3);
  layout->setColumnStretch(1, 2);

  RefreshTexts();
  mode_->setCurrentIndex(kDefaultWifiModeIndex);
  dhcp_->setCurrentIndex(kDefaultDhcpIndex);
  baud_->setCurrentIndex(kDefaultWifiBaudIndex);
  encryption_->setCurrentIndex(kDefaultEncryptionIndex);
  ConnectButtons();

  controls::ApplyPageLook(this);
  controls::MarkWarningNote(note);
}

QWidget* CDlgWIFI::BuildModeGroup() {
  auto* group = WithId(new QGroupBox(), 1106);
  auto* row = new QHBoxLayout(group);
  mode_ = ChoiceList(1108, kWifiModeChoices);
  row->addWidget(FieldLabel(1107));
  row->addWidget(mode_, 1);
  row->addWidget(CommandButton(1109));
  return group;
}

QWidget* CDlgWIFI::BuildBaudGroup() {
  auto* group = WithId(new QGroupBox(), 1151);
  auto* row = new QHBoxLayout(group);
  baud_ = ChoiceList(1150, kWifiBaudChoices);
  row->addWidget(baud_, 1);
  row->addWidget(CommandButton(1129));
  row->addWidget(CommandButton(1130));
  return group;
}

QWidget* CDlgWIFI::BuildStationGroup() {
  auto* group = WithId(new QGroupBox(), 1110);
  auto* grid = new QGridLayout(group);
  dhcp_ = ChoiceList(1112, kDhcpChoices);
  grid->addWidget(FieldLabel(1111), 0, 0);
  grid->addWidget(dhcp_, 0, 1, Qt::AlignLeft);
  int row = 1;
  for (const AddressRow& address : kStationAddressRows) {
    grid->addWidget(FieldLabel(address.label, QString::fromUtf8(address.caption)), row, 0);
    grid->addWidget(WithId(new controls::Ipv4AddressEdit(), address.control), row, 1,
                    Qt::AlignLeft);
    ++row;
  }
  addresses_.ip = controls::FindControl<controls::Ipv4AddressEdit>(group, 1114);
  addresses_.gateway = controls::FindControl<controls::Ipv4AddressEdit>(group, 1116);
  addresses_.mask = controls::FindControl<controls::Ipv4AddressEdit>(group, 1118);
  grid->addLayout(ButtonColumn(1119, 1120), 0, 2, row, 1);

  ssid_ = TextEdit(1122, 0);
  networkKey_ = TextEdit(1124, 0);
  grid->addWidget(FieldLabel(1121), row, 0);
  grid->addWidget(ssid_, row, 1);
  grid->addWidget(FieldLabel(1123), row + 1, 0);
  grid->addWidget(networkKey_, row + 1, 1);
  grid->addLayout(ButtonColumn(1125, 1126), row, 2, 2, 1);
  grid->setColumnStretch(1, 1);
  return group;
}

QWidget* CDlgWIFI::BuildAccessPointGroup() {
  auto* group = WithId(new QGroupBox(), 1141);
  auto* grid = new QGridLayout(group);
  apName_ = TextEdit(1143, kAccessPointNameMaxChars);
  encryption_ = ChoiceList(1145, kEncryptionChoices);
  apKey_ = TextEdit(1147, kAccessPointKeyMaxChars);
  grid->addWidget(FieldLabel(1142), 0, 0);
  grid->addWidget(apName_, 0, 1);
  grid->addWidget(FieldLabel(1144), 1, 0);
  grid->addWidget(encryption_, 1, 1);
  grid->addWidget(FieldLabel(1146), 2, 0);
  grid->addWidget(apKey_, 2, 1);
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(CommandButton(1127));
  buttons->addWidget(CommandButton(1128));
  grid->addLayout(buttons, 3, 0, 1, 2);
  grid->setRowStretch(4, 1);
  grid->setColumnStretch(1, 1);
  return group;
}

void CDlgWIFI::ConnectButtons() {
  const auto onClick = [this](int id, auto build) {
    connect(controls::FindControl<QPushButton>(this, id), &QPushButton::clicked, this,
            [this, id, build] { Press(id, build()); });
  };
  onClick(1109, [this] { return WifiWorkingModeCommand(ComboText(mode_)); });
  onClick(1129, [this] { return Outcome::Send({WifiBaudCommand(ComboText(baud_))}); });
  onClick(1119, [this] {
    return WifiStationAddressCommand(
        ComboText(dhcp_),
        {addresses_.ip->fields(), addresses_.gateway->fields(), addresses_.mask->fields()});
  });
  onClick(1125, [this] {
    return WifiJoinNetworkCommand(ssid_->text().toStdU16String(),
                                  networkKey_->text().toStdU16String());
  });
  onClick(1127, [this] {
    return WifiAccessPointCommand(apName_->text().toStdU16String(), ComboText(encryption_),
                                  apKey_->text().toStdU16String());
  });
  for (const QueryButton& row : kQueryButtons) {
    const WifiRequest request = row.request;
    onClick(row.button, [request] { return Outcome::Send({WifiRequestCommand(request)}); });
  }
  connect(factoryReset_, &QPushButton::clicked, this, &CDlgWIFI::OnFactoryReset);
}

void CDlgWIFI::RefreshTexts() {
  SetCaptions(this, kCaptions, context_);
}

void CDlgWIFI::Press(int id, const Outcome& outcome) {
  CarryOut(outcome, context_, this, addresses_);
  if (outcome.IsRefused()) {
    return;
  }
  QPushButton* button = controls::FindControl<QPushButton>(this, id);
  button->setEnabled(false);
  context_.sleeper.Sleep(std::chrono::milliseconds(kWifiButtonPauseMs));
  button->setEnabled(true);
}

// The module needs several seconds to restore its factory settings; the button shows that it
// is waiting meanwhile. The completion message only follows a command that went out: after a
// failed send the user has already been told why, and nothing is being reset.
void CDlgWIFI::OnFactoryReset() {
  if (!context_.printer.Send(WifiRequestCommand(WifiRequest::FactoryReset))) {
    return;
  }
  factoryReset_->setEnabled(false);
  factoryReset_->setText(context_.Text(kWifiResetWaitCaption));
  context_.sleeper.Sleep(std::chrono::milliseconds(kWifiFactoryResetWaitMs));
  context_.ShowMessage(this, kWifiFactoryResetDone);
  factoryReset_->setEnabled(true);
  factoryReset_->setText(context_.Text(kWifiRestoreFactoryCaption));
}

}  // namespace varnex::wireless
