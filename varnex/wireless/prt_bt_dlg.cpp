#include "varnex/wireless/prt_bt_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <string>

#include "varnex/controls/cch_button.h"
#include "varnex/controls/ipv4_address_edit.h"
#include "varnex/controls/page_look.h"
#include "varnex/controls/page_parts.h"
#include "varnex/wireless/bluetooth_page_defaults.h"
#include "varnex/wireless/page_outcome.h"
#include "varnex/wireless/wired_network_commands.h"

namespace varnex::wireless {
namespace {

using controls::CaptionRow;
using controls::ChoiceList;
using controls::CommandButton;
using controls::FieldLabel;
using controls::SetCaptions;
using controls::TextEdit;
using controls::WithId;

constexpr int kSetCaption = 130;  // "Setting"

// The captions that follow the UI language. The IP label (1021), "MAC:" and the "-" separators
// keep the same text in both languages.
constexpr CaptionRow kCaptions[] = {
    {1008, 140},         {1010, 141},         {1011, kSetCaption}, {1018, 144},         {1012, 142},
    {1014, kSetCaption}, {1043, 119},         {1015, 143},         {1016, kSetCaption}, {1019, 145},
    {1020, 146},         {1023, kSetCaption}, {1024, 149},         {1026, kSetCaption}, {1027, 150},
    {1029, kSetCaption}, {1041, kSetCaption}, {1084, 191},         {1085, 193},         {1104, 192},
};

// The fixed requests, one button each.
struct RequestButton {
  int button;
  BluetoothRequest request;
};
constexpr RequestButton kRequestButtons[] = {
    {1018, BluetoothRequest::PinQuery},
    {1019, BluetoothRequest::BaudQuery},
    {1043, BluetoothRequest::SelfTest},
};

// The wired address rows: label, address control, Set button. Only the IP label has a fixed
// caption; the other two follow the language.
struct AddressRow {
  const char* fixedCaption;
  int label;
  int control;
  int button;
  AddressKind kind;
};
constexpr AddressRow kAddressRows[] = {
    {"      IP:", 1021, 1022, 1023, AddressKind::IpAddress},
    {"", 1024, 1025, 1026, AddressKind::Gateway},
    {"", 1027, 1028, 1029, AddressKind::SubnetMask},
};

// The six MAC edits and the "-" statics between them, in display order.
constexpr std::array<int, 6> kMacEdits{1030, 1032, 1034, 1036, 1038, 1040};
constexpr std::array<int, 5> kMacSeparators{1031, 1033, 1035, 1037, 1039};

controls::Ipv4AddressEdit* AddressEdit(int id, const std::array<std::uint8_t, 4>& address) {
  auto* edit = WithId(new controls::Ipv4AddressEdit(), id);
  edit->setAddress(address[0], address[1], address[2], address[3]);
  return edit;
}

}  // namespace

PrtBTDlg::PrtBTDlg(controls::PageContext& context, QWidget* parent)
    : controls::TabPage(parent), context_(context) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildBluetoothGroup());
  layout->addWidget(BuildTcpIpGroup());
  layout->addWidget(BuildUdpGroup());
  layout->addStretch(1);

  RefreshTexts();
  baud_->setCurrentIndex(kDefaultBluetoothBaudIndex);
  ConnectButtons();

  controls::ApplyPageLook(this);
  controls::MarkWarningNote(controls::FindControl<QLabel>(this, 1104));
}

QWidget* PrtBTDlg::BuildBluetoothGroup() {
  auto* group = WithId(new QGroupBox(), 1008);
  auto* grid = new QGridLayout(group);

  name_ = TextEdit(1009, kBluetoothNameMaxChars, kDefaultBluetoothName);
  pin_ = TextEdit(1013, kBluetoothPinMaxChars, kDefaultBluetoothPin);
  pin_->setEchoMode(QLineEdit::Password);
  baud_ = ChoiceList(1017, kBluetoothBaudChoices);

  grid->addWidget(FieldLabel(1010), 0, 0);
  grid->addWidget(name_, 0, 1);
  grid->addWidget(CommandButton(1011), 0, 2);
  grid->addWidget(CommandButton(1018), 0, 3);
  grid->addWidget(FieldLabel(1012), 1, 0);
  grid->addWidget(pin_, 1, 1);
  grid->addWidget(CommandButton(1014), 1, 2);
  grid->addWidget(CommandButton(1043), 1, 3);
  grid->addWidget(FieldLabel(1015), 2, 0);
  grid->addWidget(baud_, 2, 1);
  grid->addWidget(CommandButton(1016), 2, 2);
  grid->addWidget(CommandButton(1019), 2, 3);
  grid->setColumnStretch(1, 1);
  return group;
}

QWidget* PrtBTDlg::BuildTcpIpGroup() {
  auto* group = WithId(new QGroupBox(), 1020);
  auto* grid = new QGridLayout(group);

  addresses_.ip = AddressEdit(1022, kDefaultIpAddress);
  addresses_.gateway = AddressEdit(1025, kDefaultGateway);
  addresses_.mask = AddressEdit(1028, kDefaultSubnetMask);
  int row = 0;
  for (const AddressRow& address : kAddressRows) {
    grid->addWidget(FieldLabel(address.label, QString::fromUtf8(address.fixedCaption)), row, 0);
    grid->addWidget(addresses_.Of(address.kind), row, 1, Qt::AlignLeft);
    grid->addWidget(CommandButton(address.button), row, 2);
    ++row;
  }

  auto* mac = new QHBoxLayout();
  mac->setSpacing(2);
  for (std::size_t i = 0; i < kMacEdits.size(); ++i) {
    mac_[i] = TextEdit(kMacEdits[i], kMacPartMaxChars, kDefaultMacParts[i]);
    mac_[i]->setFixedWidth(mac_[i]->fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 12);
    mac_[i]->setAlignment(Qt::AlignCenter);
    mac->addWidget(mac_[i]);
    if (i < kMacSeparators.size()) {
      mac->addWidget(WithId(new QLabel(QStringLiteral("-")), kMacSeparators[i]));
    }
  }
  mac->addStretch(1);
  grid->addWidget(new QLabel(QStringLiteral("MAC:")), row, 0, Qt::AlignRight | Qt::AlignVCenter);
  grid->addLayout(mac, row, 1);
  grid->addWidget(CommandButton(1041), row, 2);
  grid->setColumnStretch(1, 1);
  return group;
}

QWidget* PrtBTDlg::BuildUdpGroup() {
  auto* group = WithId(new QGroupBox(), 1084);
  auto* box = new QHBoxLayout(group);
  box->addWidget(CommandButton(1085), 0, Qt::AlignVCenter);
  auto* note = WithId(new QLabel(), 1104);
  note->setWordWrap(true);
  box->addWidget(note, 1);
  return group;
}

void PrtBTDlg::ConnectButtons() {
  const auto onClick = [this](int id, auto handler) {
    connect(controls::FindControl<QPushButton>(this, id), &QPushButton::clicked, this, handler);
  };
  onClick(1011, [this] { OnBluetoothText(BluetoothText::Name); });
  onClick(1014, [this] { OnBluetoothText(BluetoothText::Pin); });
  onClick(1016, [this] {
    context_.printer.Send(BluetoothBaudCommand(baud_->currentText().toStdString()));
  });
  for (const RequestButton& row : kRequestButtons) {
    const BluetoothRequest request = row.request;
    onClick(row.button,
            [this, request] { context_.printer.Send(BluetoothRequestCommand(request)); });
  }
  for (const AddressRow& row : kAddressRows) {
    const AddressKind kind = row.kind;
    onClick(row.button, [this, kind] { OnAddress(kind); });
  }
  onClick(1041, [this] { OnMacAddress(); });
  onClick(1085, [this] { emit discoveryRequested(); });
}

void PrtBTDlg::RefreshTexts() {
  SetCaptions(this, kCaptions, context_);
}

void PrtBTDlg::OnBluetoothText(BluetoothText which) {
  const QLineEdit* edit = which == BluetoothText::Name ? name_ : pin_;
  Carry(BluetoothTextCommand(which, edit->text().toStdU16String()));
}

void PrtBTDlg::OnAddress(AddressKind kind) {
  Carry(WiredAddressCommand(kind, addresses_.Of(kind)->fields()));
}

void PrtBTDlg::OnMacAddress() {
  std::array<std::u16string, 6> texts;
  std::array<std::u16string_view, 6> parts;
  for (std::size_t i = 0; i < mac_.size(); ++i) {
    texts[i] = mac_[i]->text().toStdU16String();
    parts[i] = texts[i];
  }
  Carry(MacAddressCommand(parts));
}

void PrtBTDlg::Carry(const Outcome& outcome) {
  CarryOut(outcome, context_, this, addresses_);
}

}  // namespace varnex::wireless
