#pragma once

#include <cstdint>
#include <string>

#include "platform/file_handle.h"
#include "platform/sleeper.h"
#include "varnex/link/port_kind.h"

namespace varnex::link {

// The values of the connection bar that a connect or a send reads.
struct BarInputs {
  std::string portText;       // port combo: "USB", "Ethernet", "LPT1", "LPT2", "COM3", ...
  std::string baudText;       // baud combo: "115200", ...
  std::uint32_t ipAddress{};  // IP control, first field in the most significant byte; 0 = blank
};

// Where the link reports to the window: a message by string-table id, and the fall back to the
// disconnected state after a send could not reach the printer.
class LinkReporter {
 public:
  virtual ~LinkReporter() = default;
  virtual void ShowMessage(int stringId) = 0;
  virtual void ConnectionDropped() = 0;
};

// The port handle slot: never opened, given up or failed (Invalid), or empty between sends (None).
// No handle stays open between operations: each send opens its port and closes it again.
enum class HandleState { Invalid, None };

// TCP port of the printers' raw print service.
inline constexpr std::uint16_t kPrinterTcpPort = 9100;

// The connection state of the main window and the operations on it: the connect check, the
// disconnect and the one send operation every page uses. The link is write-only; each send
// opens the port (or a TCP connection), writes everything and closes it again.
class PrinterLink {
 public:
  PrinterLink(LinkReporter& reporter, platform::Sleeper& sleeper);

  // The connect check for the bar's current values. Returns true when now connected.
  bool Connect(const BarInputs& inputs);
  void Disconnect();

  // Writes the bytes to the connected printer. Returns true only when all of them went out; a
  // zero-length send opens and closes the port and counts as sent.
  bool Send(const BarInputs& inputs, const std::uint8_t* bytes, std::int32_t count);

  bool connected() const { return m_connected; }
  HandleState handleState() const;
  const std::string& usbDevicePath() const { return m_usbDevicePath; }

 private:
  bool ConnectUsb();
  bool ConnectEthernet(const BarInputs& inputs);
  bool ConnectByOpening(const BarInputs& inputs, PortKind kind);
  platform::FileHandle OpenForKind(const BarInputs& inputs, PortKind kind) const;
  bool SendEthernet(const BarInputs& inputs, const std::uint8_t* bytes, std::size_t count);
  bool OpenTcp(std::uint32_t address);
  void DropConnection();

  LinkReporter& reporter_;
  platform::Sleeper& sleeper_;

  bool m_connected = false;
  std::string m_usbDevicePath;
  platform::FileHandle m_socket;
  bool m_portHandleInvalid = true;  // the slot's state: Invalid when set, None otherwise
};

}  // namespace varnex::link
