#include "varnex/app/connection_bar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include "varnex/controls/cch_button.h"
#include "varnex/controls/ipv4_address_edit.h"
#include "varnex/controls/page_parts.h"

namespace varnex::app {
namespace {

const QStringList kFixedPorts = {"USB", "Ethernet", "LPT1", "LPT2"};
const QStringList kBauds = {"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"};
constexpr int kDefaultBaudIndex = 7;

}  // namespace

ConnectionBar::ConnectionBar(QWidget* parent)
    : QGroupBox(parent),
      portCombo_(controls::WithId(new QComboBox(this), 1001)),
      baudLabel_(controls::WithId(new QLabel(this), 1002)),
      baudCombo_(controls::WithId(new QComboBox(this), 1003)),
      ipLabel_(controls::WithId(new QLabel(this), 1004)),
      ipAddress_(controls::WithId(new controls::Ipv4AddressEdit(this), 1005)),
      connectButton_(controls::WithId(new controls::CCHButton(QString(), this), 1006)) {
  setObjectName(QStringLiteral("1000"));
  portCombo_->addItems(kFixedPorts);
  portCombo_->setMinimumContentsLength(8);
  baudCombo_->addItems(kBauds);
  ipAddress_->setAddress(192, 168, 1, 99);

  auto* row = new QHBoxLayout(this);
  row->addWidget(portCombo_);
  row->addWidget(baudLabel_);
  row->addWidget(baudCombo_);
  row->addWidget(ipLabel_);
  row->addWidget(ipAddress_);
  row->addStretch(1);
  row->addWidget(connectButton_);

  connect(portCombo_, &QComboBox::currentIndexChanged, this, &ConnectionBar::OnPortKindChanged);
}

void ConnectionBar::FillPorts(const std::vector<std::string>& serialEntries) {
  for (const std::string& entry : serialEntries) {
    portCombo_->addItem(QString::fromStdString(entry));
  }
  portCombo_->setCurrentIndex(0);
  baudCombo_->setCurrentIndex(kDefaultBaudIndex);
  for (QWidget* widget : {static_cast<QWidget*>(baudLabel_), static_cast<QWidget*>(baudCombo_),
                          static_cast<QWidget*>(ipLabel_), static_cast<QWidget*>(ipAddress_)}) {
    widget->hide();
  }
}

link::BarInputs ConnectionBar::Inputs() const {
  return link::BarInputs{portCombo_->currentText().toStdString(),
                         baudCombo_->currentText().toStdString(), ipAddress_->fields().Packed()};
}

void ConnectionBar::OnPortKindChanged() {
  const link::PortKind kind = link::PortKindFromText(portCombo_->currentText().toStdString());
  const bool serial = kind == link::PortKind::Serial;
  const bool ethernet = kind == link::PortKind::Ethernet;
  baudLabel_->setVisible(serial);
  baudCombo_->setVisible(serial);
  ipLabel_->setVisible(ethernet);
  ipAddress_->setVisible(ethernet);
}

void ConnectionBar::ShowConnected(const QString& disconnectCaption) {
  const link::PortKind kind = link::PortKindFromText(portCombo_->currentText().toStdString());
  connectButton_->setText(disconnectCaption);
  portCombo_->setEnabled(false);
  if (kind == link::PortKind::Serial) {
    baudLabel_->setEnabled(false);
    baudCombo_->setEnabled(false);
  } else if (kind == link::PortKind::Ethernet) {
    ipLabel_->setEnabled(false);
    ipAddress_->setEnabled(false);
  }
}

void ConnectionBar::ShowDisconnected(const QString& connectCaption) {
  connectButton_->setText(connectCaption);
  for (QWidget* widget : {static_cast<QWidget*>(portCombo_), static_cast<QWidget*>(baudLabel_),
                          static_cast<QWidget*>(baudCombo_), static_cast<QWidget*>(ipLabel_),
                          static_cast<QWidget*>(ipAddress_)}) {
    widget->setEnabled(true);
  }
}

void ConnectionBar::SetTexts(const QString& groupCaption, const QString& buttonCaption,
                             const QString& ipLabel, const QString& baudLabel) {
  setTitle(groupCaption);
  connectButton_->setText(buttonCaption);
  ipLabel_->setText(ipLabel);
  baudLabel_->setText(baudLabel);
}

}  // namespace varnex::app
