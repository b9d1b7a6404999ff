#include "varnex/wireless/bluetooth_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "tests/varnex/wireless/wireless_test_support.h"
#include "varnex/wireless/bluetooth_page_defaults.h"

namespace varnex::wireless {
namespace {

using wirelesstest::Ascii;
using wirelesstest::Bytes;

std::u16string Repeat(std::u16string_view unit, int count) {
  std::u16string text;
  for (int i = 0; i < count; ++i) {
    text.append(unit);
  }
  return text;
}

Bytes RepeatBytes(const Bytes& unit, int count) {
  Bytes bytes;
  for (int i = 0; i < count; ++i) {
    bytes.insert(bytes.end(), unit.begin(), unit.end());
  }
  return bytes;
}

struct TextCase {
  const char* label;
  BluetoothText which;
  std::u16string text;
  std::vector<Bytes> sends;    // empty when refused
  std::optional<int> message;  // string-table id when refused
};

class BluetoothTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(BluetoothTextTest, BuildsHeaderAndTextOrRefuses) {
  const TextCase& c = GetParam();
  const Outcome outcome = BluetoothTextCommand(c.which, c.text);
  if (c.message) {
    wirelesstest::ExpectRefused(outcome, Message::FromTable(*c.message));
  } else {
    wirelesstest::ExpectSends(outcome, c.sends);
  }
}

// "中" is D6 D0 in GBK: ten of them fill the 20-byte limit.
INSTANTIATE_TEST_SUITE_P(
    NameAndPin, BluetoothTextTest,
    ::testing::Values(
        TextCase{"DefaultName",
                 BluetoothText::Name,
                 u"Bluetooth Printer",
                 {{0x1F, 0x11, 0x08, 0x01, 0x11}, Ascii("Bluetooth Printer")},
                 std::nullopt},
        TextCase{"EmptyName", BluetoothText::Name, u"", {}, 170},
        TextCase{"TenChineseName",
                 BluetoothText::Name,
                 Repeat(u"中", 10),
                 {{0x1F, 0x11, 0x08, 0x01, 0x14}, RepeatBytes({0xD6, 0xD0}, 10)},
                 std::nullopt},
        TextCase{"ElevenChineseName", BluetoothText::Name, Repeat(u"中", 11), {}, 171},
        TextCase{"TwentyOneAsciiName", BluetoothText::Name, Repeat(u"a", 21), {}, 171},
        TextCase{"DefaultPin",
                 BluetoothText::Pin,
                 u"2948",
                 {{0x1F, 0x11, 0x09, 0x01, 0x04}, {0x32, 0x39, 0x34, 0x38}},
                 std::nullopt},
        TextCase{"TwentyAsciiPin",
                 BluetoothText::Pin,
                 Repeat(u"7", 20),
                 {{0x1F, 0x11, 0x09, 0x01, 0x14}, RepeatBytes({0x37}, 20)},
                 std::nullopt},
        TextCase{"EmptyPin", BluetoothText::Pin, u"", {}, 172},
        TextCase{"ElevenChinesePin", BluetoothText::Pin, Repeat(u"中", 11), {}, 173}),
    [](const auto& info) { return std::string(info.param.label); });

struct BaudCase {
  const char* text;
  std::uint8_t code;
};

class BluetoothBaudTest : public ::testing::TestWithParam<BaudCase> {};

TEST_P(BluetoothBaudTest, SendsTheCodeOfTheComboText) {
  const BaudCase& c = GetParam();
  EXPECT_EQ(BluetoothBaudCode(c.text), c.code);
  EXPECT_EQ(BluetoothBaudCommand(c.text), (Bytes{0x1F, 0x11, 0x0C, 0x01, c.code}));
}

INSTANTIATE_TEST_SUITE_P(Codes, BluetoothBaudTest,
                         ::testing::Values(BaudCase{"9600", 0x01}, BaudCase{"19200", 0x02},
                                           BaudCase{"38400", 0x03}, BaudCase{"57600", 0x04},
                                           BaudCase{"115200", 0x05}, BaudCase{"460800", 0x06},
                                           BaudCase{"921600", 0x07}, BaudCase{"230400", 0x08},
                                           BaudCase{"1000000", 0x09}, BaudCase{"4800", 0x07},
                                           BaudCase{"", 0x07}, BaudCase{"9600 ", 0x07}));

TEST(BluetoothBaudChoicesTest, EveryChoiceHasItsOwnRowAndTheDefaultIs921600) {
  for (std::string_view choice : kBluetoothBaudChoices) {
    const auto row = std::find_if(kBluetoothBaudCodes.begin(), kBluetoothBaudCodes.end(),
                                  [choice](const BaudCode& code) { return code.text == choice; });
    EXPECT_NE(row, kBluetoothBaudCodes.end()) << choice;
  }
  EXPECT_EQ(kBluetoothBaudChoices[kDefaultBluetoothBaudIndex], "921600");
}

TEST(BluetoothRequestTest, FixedCommands) {
  EXPECT_EQ(BluetoothRequestCommand(BluetoothRequest::PinQuery), (Bytes{0x1F, 0x11, 0x0A, 0x01}));
  EXPECT_EQ(BluetoothRequestCommand(BluetoothRequest::BaudQuery), (Bytes{0x1F, 0x11, 0x0B, 0x01}));
  EXPECT_EQ(BluetoothRequestCommand(BluetoothRequest::SelfTest), (Bytes{0x1F, 0x11, 0x04}));
}

}  // namespace
}  // namespace varnex::wireless
