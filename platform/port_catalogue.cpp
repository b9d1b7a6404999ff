#include "platform/port_catalogue.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>

namespace platform {
namespace {

namespace fs = std::filesystem;

struct TtyFamily {
  std::string_view prefix;
  int firstComNumber;
  bool needsUartType;
};

// Ordered by first COM number, highest first, so that each COM number has one owner.
// ttyS ports of the 8250 driver exist in sysfs whether or not a UART answers; their "type"
// file reads 0 (PORT_UNKNOWN) when none does. USB adapters and modems exist only when plugged.
constexpr TtyFamily kFamilies[] = {
    {"ttyACM", 65, false},
    {"ttyUSB", 33, false},
    {"ttyS", 1, true},
};

std::optional<int> ParseNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
    return std::nullopt;
  }
  return value;
}

bool HasUart(const fs::path& ttyDir) {
  std::ifstream typeFile(ttyDir / "type");
  int type = 0;
  return typeFile >> type && type != 0;
}

}  // namespace

std::vector<std::string> SerialPortNames(const std::string& sysfsRoot, const PortMap& portMap) {
  std::vector<std::string> names;
  std::error_code error;
  const fs::path ttyClass = fs::path(sysfsRoot) / "class" / "tty";
  for (const auto& entry : fs::directory_iterator(ttyClass, error)) {
    const std::string name = entry.path().filename().string();
    std::error_code linkError;
    if (!fs::exists(entry.path() / "device", linkError)) {
      continue;
    }
    for (const TtyFamily& family : kFamilies) {
      if (!name.starts_with(family.prefix)) {
        continue;
      }
      const auto number = ParseNumber(std::string_view(name).substr(family.prefix.size()));
      if (number && (!family.needsUartType || HasUart(entry.path()))) {
        names.push_back("COM" + std::to_string(*number + family.firstComNumber));
      }
      break;
    }
  }
  for (const auto& [name, path] : portMap) {
    if (name.starts_with("COM")) {
      names.push_back(name);
    }
  }
  return names;
}

std::vector<std::string> SerialPortNames() {
  return SerialPortNames(SysfsRoot(), PortMapFromEnvironment());
}

std::string DevicePathForPort(const std::string& portName, const std::string& devRoot,
                              const PortMap& portMap) {
  if (const auto mapped = portMap.find(portName); mapped != portMap.end()) {
    return mapped->second;
  }
  const std::string_view name(portName);
  if (name.starts_with("LPT")) {
    const auto number = ParseNumber(name.substr(3));
    if (number && *number >= 1 && *number <= 3) {
      return devRoot + "/lp" + std::to_string(*number - 1);
    }
    return {};
  }
  if (name.starts_with("COM")) {
    const auto number = ParseNumber(name.substr(3));
    if (!number || *number < 1) {
      return {};
    }
    for (const TtyFamily& family : kFamilies) {
      if (*number >= family.firstComNumber) {
        return devRoot + "/" + std::string(family.prefix) +
               std::to_string(*number - family.firstComNumber);
      }
    }
  }
  return {};
}

std::string DevicePathForPort(const std::string& portName) {
  return DevicePathForPort(portName, DevRoot(), PortMapFromEnvironment());
}

}  // namespace platform
