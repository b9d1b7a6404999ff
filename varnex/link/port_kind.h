#pragma once

#include <string_view>

namespace varnex::link {

// How the printer is attached, decided by the exact (case-sensitive) text of the port combo.
// Every text that is not one of the four fixed entries names a serial port.
enum class PortKind { Usb, Ethernet, Lpt1, Lpt2, Serial };

PortKind PortKindFromText(std::string_view comboText);

// The serial speed for the baud combo's text; any text not in the list means 9600.
int BaudFromText(std::string_view baudText);

}  // namespace varnex::link
