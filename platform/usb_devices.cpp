#include "platform/usb_devices.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/environment.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

std::string ReadFirstLine(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
    line.pop_back();
  }
  return line;
}

bool ReadIds(const fs::path& deviceDir, std::string& vendor, std::string& product) {
  std::error_code error;
  if (!fs::exists(deviceDir / "idVendor", error) || !fs::exists(deviceDir / "idProduct", error)) {
    return false;
  }
  vendor = ReadFirstLine(deviceDir / "idVendor");
  product = ReadFirstLine(deviceDir / "idProduct");
  return true;
}

// Orders "lp2" before "lp10".
int TrailingNumber(const std::string& name) {
  const auto digits = name.find_first_of("0123456789");
  return digits == std::string::npos ? -1 : std::atoi(name.c_str() + digits);
}

}  // namespace

std::vector<UsbDeviceRecord> PresentUsbDevices(const std::string& sysfsRoot) {
  std::vector<UsbDeviceRecord> devices;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(fs::path(sysfsRoot) / "bus/usb/devices", error)) {
    UsbDeviceRecord record{entry.path().filename().string(), {}, {}};
    if (ReadIds(entry.path(), record.vendorId, record.productId)) {
      devices.push_back(std::move(record));
    }
  }
  std::sort(devices.begin(), devices.end(),
            [](const auto& a, const auto& b) { return a.sysName < b.sysName; });
  return devices;
}

std::vector<UsbDeviceRecord> PresentUsbDevices() {
  return PresentUsbDevices(SysfsRoot());
}

std::vector<UsbPrinterInterface> PresentUsbPrinterInterfaces(const std::string& sysfsRoot,
                                                             const std::string& devRoot) {
  std::vector<std::pair<int, UsbPrinterInterface>> found;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(fs::path(sysfsRoot) / "class/usbmisc", error)) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with("lp")) {
      continue;
    }
    std::error_code linkError;
    const fs::path usbInterface = fs::canonical(entry.path() / "device", linkError);
    if (linkError) {
      continue;
    }
    UsbPrinterInterface printer{devRoot + "/usb/" + name, {}, {}};
    if (ReadIds(usbInterface.parent_path(), printer.vendorId, printer.productId)) {
      found.emplace_back(TrailingNumber(name), std::move(printer));
    }
  }
  std::sort(found.begin(), found.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<UsbPrinterInterface> interfaces;
  for (auto& [number, printer] : found) {
    interfaces.push_back(std::move(printer));
  }
  return interfaces;
}

std::vector<UsbPrinterInterface> PresentUsbPrinterInterfaces() {
  return PresentUsbPrinterInterfaces(SysfsRoot(), DevRoot());
}

}  // namespace platform
