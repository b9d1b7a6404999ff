#pragma once

#include <string>
#include <vector>

#include "platform/environment.h"

namespace platform {

// Serial ports present on this machine, each under a stable Windows-style name:
//   ttyS<n>   -> COM<n + 1>    (only ports whose driver reports a UART: sysfs "type" not 0)
//   ttyUSB<n> -> COM<n + 33>
//   ttyACM<n> -> COM<n + 65>
// read from <sysfs root>/class/tty/* (entries with a "device" link). Names mapped in the port
// map that start with "COM" join the list; the list is unsorted and may hold duplicates.
std::vector<std::string> SerialPortNames(const std::string& sysfsRoot, const PortMap& portMap);
std::vector<std::string> SerialPortNames();

// The device path behind a port name: the port map first; otherwise COMn through the naming
// rule above (<dev root>/ttyS<n-1>, ...), LPT1..LPT3 as <dev root>/lp0..lp2. Empty when the name
// means nothing here.
std::string DevicePathForPort(const std::string& portName, const std::string& devRoot,
                              const PortMap& portMap);
std::string DevicePathForPort(const std::string& portName);

}  // namespace platform
