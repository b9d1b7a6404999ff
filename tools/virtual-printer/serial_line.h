#pragma once

#include <termios.h>

#include <string>

namespace virtual_printer {

// The line settings of a terminal as the log shows them: baud rate, data bits, parity (N, E or
// O), stop bits, and " CTS" when hardware flow control is on. Example: "38400 8N1 CTS".
std::string DescribeSerialLine(const termios& settings);

}  // namespace virtual_printer
