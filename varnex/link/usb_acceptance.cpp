#include "varnex/link/usb_acceptance.h"

#include <algorithm>
#include <cctype>

namespace varnex::link {
namespace {

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

}  // namespace

const std::vector<UsbIdPair>& AcceptedUsbIds() {
  static const std::vector<UsbIdPair> kAccepted = {
      {"VID_0416", "PID_5011"}, {"VID_0416", "PID_AABB"}, {"VID_0493", "PID_8760"},
      {"VID_20D1", "PID_7008"}, {"VID_0471", "PID_0055"}, {"VID_1CBE", "PID_0003"},
      {"VID_1CB0", "PID_0003"}, {"VID_0483", "PID_5740"}, {"VID_0483", "PID_5741"},
      {"VID_0483", "PID_5720"}, {"VID_0483", "PID_5743"}, {"VID_0483", "PID_5840"},
      {"VID_0483", "PID_5043"}, {"VID_1659", "PID_8965"}, {"VID_1203", "PID_0011"},
      {"VID_09C5", "PID_0668"}, {"VID_6868", "PID_0200"}, {"VID_04B8", "PID_0E20"},
      {"VID_2D37", "PID_76A0"}, {"VID_34D3", "PID_1100"}, {"VID_3151", "PID_6003"},
      {"VID_1B1F", "PID_0064"}, {"VID_0FE6", "PID_811C"}, {"VID_0FE6", "PID_811E"},
      {"VID_1FC9", "PID_2016"},
  };
  return kAccepted;
}

bool IsAcceptedUsbId(const UsbIdPair& pair) {
  const auto& accepted = AcceptedUsbIds();
  return std::find(accepted.begin(), accepted.end(), pair) != accepted.end();
}

UsbIdPair UsbIdPairOf(const std::string& vendorId, const std::string& productId) {
  return {"VID_" + Upper(vendorId), "PID_" + Upper(productId)};
}

std::optional<UsbIdPair> FindUsbPrinter(const std::vector<platform::UsbDeviceRecord>& devices) {
  for (const auto& device : devices) {
    UsbIdPair pair = UsbIdPairOf(device.vendorId, device.productId);
    if (IsAcceptedUsbId(pair)) {
      return pair;
    }
  }
  return std::nullopt;
}

std::optional<std::string> FindDeviceInterfacePath(
    const std::vector<platform::UsbPrinterInterface>& interfaces, const UsbIdPair& pair) {
  for (const auto& printer : interfaces) {
    if (UsbIdPairOf(printer.vendorId, printer.productId) == pair) {
      return printer.devicePath;
    }
  }
  return std::nullopt;
}

}  // namespace varnex::link
