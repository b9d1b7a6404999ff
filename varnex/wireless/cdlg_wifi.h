#pragma once

#include "varnex/controls/page_context.h"
#include "varnex/wireless/outcome.h"
#include "varnex/wireless/page_outcome.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace varnex::wireless {

// The WiFi tab: configures the printer's built-in WiFi module (working mode, baud rate, station
// addressing and the network it joins, access point name and key, factory reset). Each command
// is a module AT command carried inside the printer's 1F 1B FD wrapper.
class CDlgWIFI : public controls::TabPage {
  Q_OBJECT

 public:
  explicit CDlgWIFI(controls::PageContext& context, QWidget* parent = nullptr);

  void RefreshTexts() override;

 private:
  QWidget* BuildModeGroup();
  QWidget* BuildBaudGroup();
  QWidget* BuildStationGroup();
  QWidget* BuildAccessPointGroup();
  void ConnectButtons();

  // Carries out the outcome of button `id`. When it was not refused, the button then stays
  // disabled for a moment, so the module has time to take the command.
  void Press(int id, const Outcome& outcome);
  void OnFactoryReset();

  controls::PageContext& context_;
  QComboBox* mode_ = nullptr;
  QComboBox* baud_ = nullptr;
  QComboBox* dhcp_ = nullptr;
  AddressControls addresses_;
  QLineEdit* ssid_ = nullptr;
  QLineEdit* networkKey_ = nullptr;
  QLineEdit* apName_ = nullptr;
  QComboBox* encryption_ = nullptr;
  QLineEdit* apKey_ = nullptr;
  QPushButton* factoryReset_ = nullptr;
};

}  // namespace varnex::wireless
