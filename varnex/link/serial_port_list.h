#pragma once

#include <string>
#include <vector>

namespace varnex::link {

// The port combo holds at most this many serial port numbers.
inline constexpr std::size_t kMaxSerialPorts = 100;

// The serial entries of the port combo for the names the system reports ("COM3", "COM123",
// ...): each name gives the number formed by its 4th and 5th characters (leading decimal digits
// only, none = 0), so COM123 appears as COM12; the numbers are sorted ascending, duplicates stay,
// and each becomes "COM%d". Names beyond the first kMaxSerialPorts are left out.
std::vector<std::string> SerialPortEntries(const std::vector<std::string>& systemNames);

}  // namespace varnex::link
