#include "varnex/link/printer_link.h"

#include "platform/device_io.h"
#include "platform/port_catalogue.h"
#include "platform/tcp_client.h"
#include "platform/usb_devices.h"
#include "varnex/link/link_messages.h"
#include "varnex/link/usb_acceptance.h"

namespace varnex::link {
namespace {

// The pause after a TCP connect check and after each TCP send, before the socket is closed.
constexpr std::chrono::milliseconds kTcpSettle{100};
// Throughput assumed for the write bound of USB and parallel ports (a slow printer still
// takes far more than this).
constexpr int kDeviceBytesPerSecond = 10000;
constexpr int kNetworkBytesPerSecond = 100000;

}  // namespace

PrinterLink::PrinterLink(LinkReporter& reporter, platform::Sleeper& sleeper)
    : reporter_(reporter), sleeper_(sleeper) {}

HandleState PrinterLink::handleState() const {
  return m_portHandleInvalid ? HandleState::Invalid : HandleState::None;
}

bool PrinterLink::Connect(const BarInputs& inputs) {
  m_portHandleInvalid = false;

  const PortKind kind = PortKindFromText(inputs.portText);
  bool connected = false;
  switch (kind) {
    case PortKind::Usb:
      connected = ConnectUsb();
      break;
    case PortKind::Ethernet:
      connected = ConnectEthernet(inputs);
      break;
    case PortKind::Lpt1:
    case PortKind::Lpt2:
    case PortKind::Serial:
      connected = ConnectByOpening(inputs, kind);
      break;
  }
  if (connected) {
    m_connected = true;
  }
  return connected;
}

bool PrinterLink::ConnectUsb() {
  const auto pair = FindUsbPrinter(platform::PresentUsbDevices());
  if (!pair) {
    reporter_.ShowMessage(kPrinterNotConnected);
    return false;
  }
  const auto path = FindDeviceInterfacePath(platform::PresentUsbPrinterInterfaces(), *pair);
  if (!path) {
    reporter_.ShowMessage(kPrinterNotConnected);
    return false;
  }
  m_usbDevicePath = *path;
  // The Linux USB printer driver lets one process hold the node open at a time (a second open
  // fails with EBUSY), and every send opens it again, so the check's handle is closed at once.
  // A failed open still connects; the slot remembers it and the next send reports it.
  const platform::FileHandle check = platform::OpenUsbPrinter(m_usbDevicePath);
  m_portHandleInvalid = !check.valid();
  return true;
}

bool PrinterLink::ConnectEthernet(const BarInputs& inputs) {
  if (!OpenTcp(inputs.ipAddress)) {
    return false;
  }
  sleeper_.Sleep(kTcpSettle);
  m_socket.reset();
  return true;
}

bool PrinterLink::ConnectByOpening(const BarInputs& inputs, PortKind kind) {
  platform::FileHandle handle = OpenForKind(inputs, kind);
  if (!handle.valid()) {
    reporter_.ShowMessage(kPortOccupied);
    return false;
  }
  return true;  // the handle closes here; every send opens the port again
}

platform::FileHandle PrinterLink::OpenForKind(const BarInputs& inputs, PortKind kind) const {
  switch (kind) {
    case PortKind::Usb:
      return platform::OpenUsbPrinter(m_usbDevicePath);
    case PortKind::Lpt1:
    case PortKind::Lpt2:
      return platform::OpenParallelPort(platform::DevicePathForPort(inputs.portText));
    case PortKind::Serial:
      return platform::OpenSerialPort(platform::DevicePathForPort(inputs.portText),
                                      BaudFromText(inputs.baudText));
    case PortKind::Ethernet:
      break;
  }
  return platform::FileHandle();
}

bool PrinterLink::OpenTcp(std::uint32_t address) {
  // The address is checked before anything goes on the wire, so a blank control makes no
  // traffic at all.
  if (address == 0) {
    reporter_.ShowMessage(kNoIpAddress);
    return false;
  }
  platform::TcpConnection connection = platform::ConnectTcp(address, kPrinterTcpPort);
  m_socket = std::move(connection.socket);
  switch (connection.error) {
    case platform::TcpConnectError::SocketFailed:
      reporter_.ShowMessage(kSocketFailed);
      return false;
    case platform::TcpConnectError::ConnectFailed:
      m_socket.reset();
      reporter_.ShowMessage(kConnectionTimedOut);
      return false;
    case platform::TcpConnectError::None:
      break;
  }
  return true;
}

void PrinterLink::Disconnect() {
  m_connected = false;
  m_portHandleInvalid = true;
  sleeper_.Sleep(kTcpSettle);
  m_socket.reset();
}

bool PrinterLink::Send(const BarInputs& inputs, const std::uint8_t* bytes, std::int32_t count) {
  const PortKind kind = PortKindFromText(inputs.portText);
  if (m_portHandleInvalid) {
    reporter_.ShowMessage(m_connected ? kPortOccupied : kPrinterNotConnected);
    m_portHandleInvalid = false;
    return false;
  }
  if (!m_connected) {
    reporter_.ShowMessage(kPrinterNotConnected);
    return false;
  }
  // A negative count cannot describe a buffer; nothing is written.
  const std::size_t size = count > 0 ? static_cast<std::size_t>(count) : 0;
  if (count < 0 || (size > 0 && bytes == nullptr)) {
    return false;
  }
  if (kind == PortKind::Ethernet) {
    return SendEthernet(inputs, bytes, size);
  }

  // Each send opens the port afresh; the handle a USB connect left open is not written to.
  platform::FileHandle port = OpenForKind(inputs, kind);
  if (!port.valid()) {
    DropConnection();
    return false;
  }
  const int bytesPerSecond =
      kind == PortKind::Serial ? BaudFromText(inputs.baudText) / 10 : kDeviceBytesPerSecond;
  const auto status =
      platform::WriteAll(port.get(), bytes, size, platform::WriteBound(size, bytesPerSecond));
  port.reset();
  if (status != platform::WriteStatus::Complete) {
    DropConnection();
    return false;
  }
  return true;
}

bool PrinterLink::SendEthernet(const BarInputs& inputs, const std::uint8_t* bytes,
                               std::size_t count) {
  const bool opened = OpenTcp(inputs.ipAddress);
  bool written = false;
  if (opened) {
    written = platform::SendAll(m_socket.get(), bytes, count,
                                platform::WriteBound(count, kNetworkBytesPerSecond)) ==
              platform::WriteStatus::Complete;
  }
  sleeper_.Sleep(kTcpSettle);
  m_socket.reset();
  if (opened && !written) {
    DropConnection();
  }
  return written;
}

void PrinterLink::DropConnection() {
  reporter_.ShowMessage(kPrinterNotConnected);
  m_connected = false;
  m_portHandleInvalid = true;
  reporter_.ConnectionDropped();
}

}  // namespace varnex::link
