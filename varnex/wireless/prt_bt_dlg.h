#pragma once

#include <array>

#include "varnex/controls/page_context.h"
#include "varnex/wireless/bluetooth_commands.h"
#include "varnex/wireless/outcome.h"
#include "varnex/wireless/page_outcome.h"

class QComboBox;
class QLineEdit;

namespace varnex::wireless {

// The Bluetooth and Ethernet tab: sets the printer's Bluetooth module (name, PIN, baud rate),
// asks it for the PIN or baud rate, prints the self-test page, and sets the printer's wired IP
// address, gateway, subnet mask and MAC address over the current connection. Its lower group
// leads to the network discovery page, for printers on other network segments.
class PrtBTDlg : public controls::TabPage {
  Q_OBJECT

 public:
  explicit PrtBTDlg(controls::PageContext& context, QWidget* parent = nullptr);

  void RefreshTexts() override;

 signals:
  // Button 1085 was pressed: whoever hosts the page opens the discovery page.
  void discoveryRequested();

 private:
  QWidget* BuildBluetoothGroup();
  QWidget* BuildTcpIpGroup();
  QWidget* BuildUdpGroup();
  void ConnectButtons();

  void OnBluetoothText(BluetoothText which);
  void OnAddress(AddressKind kind);
  void OnMacAddress();
  void Carry(const Outcome& outcome);

  controls::PageContext& context_;
  QLineEdit* name_ = nullptr;
  QLineEdit* pin_ = nullptr;
  QComboBox* baud_ = nullptr;
  AddressControls addresses_;
  std::array<QLineEdit*, 6> mac_{};
};

}  // namespace varnex::wireless
