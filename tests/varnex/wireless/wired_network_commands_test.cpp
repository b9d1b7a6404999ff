#include "varnex/wireless/wired_network_commands.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/varnex/wireless/wireless_test_support.h"
#include "varnex/wireless/bluetooth_page_defaults.h"

namespace varnex::wireless {
namespace {

using wirelesstest::Blank;
using wirelesstest::Bytes;
using wirelesstest::Fields;

struct AddressCase {
  const char* label;
  AddressKind kind;
  controls::Ipv4Fields fields;
  Bytes sent;                  // empty when refused
  std::optional<int> message;  // string-table id when refused; the control is then emptied
};

class WiredAddressTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(WiredAddressTest, SendsOrRefusesAndEmptiesTheControl) {
  const AddressCase& c = GetParam();
  const Outcome outcome = WiredAddressCommand(c.kind, c.fields);
  if (c.message) {
    wirelesstest::ExpectRefused(outcome, Message::FromTable(*c.message), c.kind);
  } else {
    wirelesstest::ExpectSends(outcome, {c.sent});
  }
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, WiredAddressTest,
    ::testing::Values(
        AddressCase{"IpBlank", AddressKind::IpAddress, Blank(), {}, 174},
        AddressCase{"IpThreeFields", AddressKind::IpAddress, Fields(192, 168, 1, {}), {}, 175},
        AddressCase{"IpFirstFieldBlank", AddressKind::IpAddress, Fields({}, 168, 1, 5), {}, 175},
        AddressCase{"IpAllOnes", AddressKind::IpAddress, Fields(255, 255, 255, 255), {}, 176},
        AddressCase{"IpDefault",
                    AddressKind::IpAddress,
                    Fields(192, 168, 1, 100),
                    {0x1F, 0x1B, 0x1D, 0x00, 0xC0, 0xA8, 0x01, 0x64},
                    std::nullopt},
        AddressCase{"IpLastFieldZeroWithOnes",
                    AddressKind::IpAddress,
                    Fields(255, 255, 255, 0),
                    {0x1F, 0x1B, 0x1D, 0x00, 0xFF, 0xFF, 0xFF, 0x00},
                    std::nullopt},
        AddressCase{"GatewayBlank", AddressKind::Gateway, Blank(), {}, 177},
        AddressCase{"GatewayThreeFields", AddressKind::Gateway, Fields(192, 168, 1, {}), {}, 178},
        AddressCase{"GatewayAllOnes", AddressKind::Gateway, Fields(255, 255, 255, 255), {}, 179},
        AddressCase{"GatewayDefault",
                    AddressKind::Gateway,
                    Fields(192, 168, 1, 1),
                    {0x1F, 0x1B, 0x1D, 0x02, 0xC0, 0xA8, 0x01, 0x01},
                    std::nullopt},
        AddressCase{"MaskBlank", AddressKind::SubnetMask, Blank(), {}, 180},
        AddressCase{"MaskThreeFields", AddressKind::SubnetMask, Fields(255, 255, 255, {}), {}, 181},
        AddressCase{"MaskAllOnesIsSent",
                    AddressKind::SubnetMask,
                    Fields(255, 255, 255, 255),
                    {0x1F, 0x1B, 0x1D, 0x01, 0xFF, 0xFF, 0xFF, 0xFF},
                    std::nullopt},
        AddressCase{"MaskDefault",
                    AddressKind::SubnetMask,
                    Fields(255, 255, 255, 0),
                    {0x1F, 0x1B, 0x1D, 0x01, 0xFF, 0xFF, 0xFF, 0x00},
                    std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(MacAddressTest, DefaultPartsSendTheirBytes) {
  wirelesstest::ExpectSends(MacAddressCommand(kDefaultMacParts),
                            {{0x1F, 0x1B, 0x18, 0x02, 0x03, 0x04, 0x0A, 0xFD, 0x09}});
}

TEST(MacAddressTest, UpperAndLowerCaseDigitsAreRead) {
  wirelesstest::ExpectSends(MacAddressCommand({u"FF", u"aB", u"00", u"9f", u"C0", u"e1"}),
                            {{0x1F, 0x1B, 0x18, 0xFF, 0xAB, 0x00, 0x9F, 0xC0, 0xE1}});
}

TEST(MacAddressTest, AShortPartInAnyPositionIsRefused) {
  for (std::size_t position = 0; position < kDefaultMacParts.size(); ++position) {
    for (std::u16string_view shortPart : {u"", u"a"}) {
      auto parts = kDefaultMacParts;
      parts[position] = shortPart;
      wirelesstest::ExpectRefused(MacAddressCommand(parts), Message::FromTable(182));
    }
  }
}

// Only two hexadecimal digits make a byte: text a "%x" scan would still read ("0g", " 5", "-1",
// "0x", "+5") is refused as well as text it would not.
class MacPartTest : public ::testing::TestWithParam<std::u16string_view> {};

TEST_P(MacPartTest, NonHexadecimalPartIsRefused) {
  EXPECT_EQ(ParseMacPart(GetParam()), std::nullopt);
  auto parts = kDefaultMacParts;
  parts[5] = GetParam();
  wirelesstest::ExpectRefused(MacAddressCommand(parts), Message::FromTable(182));
}

INSTANTIATE_TEST_SUITE_P(Refused, MacPartTest,
                         ::testing::Values(u"0g", u"g0", u"zz", u" 5", u"5 ", u"-1", u"+5", u"0x",
                                           u"中0", u"123"));

}  // namespace
}  // namespace varnex::wireless
