#pragma once

#include <QGroupBox>

#include "varnex/link/printer_link.h"

class QComboBox;
class QLabel;

namespace varnex::controls {
class CCHButton;
class Ipv4AddressEdit;
}  // namespace varnex::controls

namespace varnex::app {

// The connection bar at the top of the main window: port combo 1001, baud label and combo
// 1002/1003, IP label and control 1004/1005, connect button 1006, in group box 1000. It shows
// and enables its controls by the rules of the port kinds; the main window decides when.
class ConnectionBar : public QGroupBox {
  Q_OBJECT

 public:
  explicit ConnectionBar(QWidget* parent = nullptr);

  // Appends the serial entries after the four fixed ones and selects the defaults.
  void FillPorts(const std::vector<std::string>& serialEntries);

  link::BarInputs Inputs() const;
  QComboBox* portCombo() const { return portCombo_; }
  controls::CCHButton* connectButton() const { return connectButton_; }

  // Shows and hides the baud pair and the IP pair for the kind now in the port combo.
  void OnPortKindChanged();
  // Puts the bar into the connected look for the connected kind.
  void ShowConnected(const QString& disconnectCaption);
  // Puts the bar into the disconnected look: all five controls enabled, visibility unchanged.
  void ShowDisconnected(const QString& connectCaption);
  void SetTexts(const QString& groupCaption, const QString& buttonCaption, const QString& ipLabel,
                const QString& baudLabel);

 private:
  QComboBox* portCombo_;
  QLabel* baudLabel_;
  QComboBox* baudCombo_;
  QLabel* ipLabel_;
  controls::Ipv4AddressEdit* ipAddress_;
  controls::CCHButton* connectButton_;
};

}  // namespace varnex::app
