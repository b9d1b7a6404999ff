#include "varnex/link/port_kind.h"

#include <utility>

namespace varnex::link {

PortKind PortKindFromText(std::string_view comboText) {
  if (comboText == "USB") {
    return PortKind::Usb;
  }
  if (comboText == "Ethernet") {
    return PortKind::Ethernet;
  }
  if (comboText == "LPT1") {
    return PortKind::Lpt1;
  }
  if (comboText == "LPT2") {
    return PortKind::Lpt2;
  }
  return PortKind::Serial;
}

int BaudFromText(std::string_view baudText) {
  static constexpr std::pair<std::string_view, int> kBauds[] = {
      {"1200", 1200},   {"2400", 2400},   {"4800", 4800},   {"9600", 9600},
      {"19200", 19200}, {"38400", 38400}, {"57600", 57600}, {"115200", 115200},
  };
  for (const auto& [text, baud] : kBauds) {
    if (text == baudText) {
      return baud;
    }
  }
  return 9600;
}

}  // namespace varnex::link
