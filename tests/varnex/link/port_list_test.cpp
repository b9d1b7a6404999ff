#include <gtest/gtest.h>

#include "varnex/link/port_kind.h"
#include "varnex/link/serial_port_list.h"

namespace {

using varnex::link::PortKind;
using Names = std::vector<std::string>;

TEST(SerialPortEntries, NumbersFromTheFourthAndFifthCharactersSorted) {
  struct Case {
    Names system;
    Names expected;
  };
  const Case cases[] = {
      {{"COM10", "COM3", "COM1"}, {"COM1", "COM3", "COM10"}},
      {{"COM123"}, {"COM12"}},
      {{"COM3", "COM3"}, {"COM3", "COM3"}},
      {{"COMx", "CO"}, {"COM0", "COM0"}},
      {{}, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(varnex::link::SerialPortEntries(c.system), c.expected);
  }
}

TEST(SerialPortEntries, KeepsAtMostOneHundredPorts) {
  Names many;
  for (int i = 1; i <= 150; ++i) {
    many.push_back("COM" + std::to_string(i));
  }
  EXPECT_EQ(varnex::link::SerialPortEntries(many).size(), varnex::link::kMaxSerialPorts);
}

TEST(PortKind, ExactTextDecides) {
  const std::pair<const char*, PortKind> cases[] = {
      {"USB", PortKind::Usb},     {"Ethernet", PortKind::Ethernet}, {"LPT1", PortKind::Lpt1},
      {"LPT2", PortKind::Lpt2},   {"COM3", PortKind::Serial},       {"usb", PortKind::Serial},
      {"LPT3", PortKind::Serial}, {"", PortKind::Serial},
  };
  for (const auto& [text, kind] : cases) {
    EXPECT_EQ(varnex::link::PortKindFromText(text), kind) << text;
  }
}

TEST(BaudFromText, ListedRatesAndNineThousandSixHundredOtherwise) {
  const std::pair<const char*, int> cases[] = {
      {"1200", 1200},   {"2400", 2400},   {"4800", 4800},     {"9600", 9600},   {"19200", 19200},
      {"38400", 38400}, {"57600", 57600}, {"115200", 115200}, {"230400", 9600}, {"", 9600},
  };
  for (const auto& [text, baud] : cases) {
    EXPECT_EQ(varnex::link::BaudFromText(text), baud) << text;
  }
}

}  // namespace
