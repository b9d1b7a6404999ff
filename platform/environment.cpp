#include "platform/environment.h"

#include <cstdlib>

namespace platform {
namespace {

std::string EnvironmentOr(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return (value != nullptr && *value != '\0') ? std::string(value) : std::string(fallback);
}

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return {};
  }
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

PortMap ParsePortMap(std::string_view text) {
  PortMap map;
  while (!text.empty()) {
    const auto end = text.find(';');
    const std::string_view item = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    const auto equals = item.find('=');
    if (equals == std::string_view::npos) {
      continue;
    }
    const std::string_view name = Trim(item.substr(0, equals));
    const std::string_view path = Trim(item.substr(equals + 1));
    if (!name.empty() && !path.empty()) {
      map[std::string(name)] = std::string(path);
    }
  }
  return map;
}

PortMap PortMapFromEnvironment() {
  const char* value = std::getenv("PRINTER_TOOLS_PORT_MAP");
  return value != nullptr ? ParsePortMap(value) : PortMap{};
}

std::string SysfsRoot() {
  return EnvironmentOr("PRINTER_TOOLS_SYSFS_ROOT", "/sys");
}
std::string DevRoot() {
  return EnvironmentOr("PRINTER_TOOLS_DEV_ROOT", "/dev");
}
std::string BroadcastAddress() {
  return EnvironmentOr("PRINTER_TOOLS_BROADCAST", "255.255.255.255");
}

}  // namespace platform
