#pragma once

#include <map>
#include <string>
#include <string_view>

namespace platform {

// Overrides read from the environment. They let tests, the demo and users with unusual setups
// point the programs at other devices:
//   PRINTER_TOOLS_PORT_MAP     "NAME=PATH;NAME=PATH": port names (COM7, LPT1, ...) to device
//                              paths; mapped COMn names join the serial port catalogue.
//   PRINTER_TOOLS_SYSFS_ROOT   used instead of /sys (a tree laid out as Linux lays out /sys).
//   PRINTER_TOOLS_DEV_ROOT     used instead of /dev.
//   PRINTER_TOOLS_BROADCAST    the address network discovery broadcasts to.
using PortMap = std::map<std::string, std::string>;

// Parses "NAME=PATH;NAME=PATH". Blank items and items without '=' or with an empty name or path
// are ignored; a later item for the same name wins.
PortMap ParsePortMap(std::string_view text);

PortMap PortMapFromEnvironment();
std::string SysfsRoot();         // "/sys" unless overridden
std::string DevRoot();           // "/dev" unless overridden
std::string BroadcastAddress();  // "255.255.255.255" unless overridden

}  // namespace platform
