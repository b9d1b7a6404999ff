#include "varnex/wireless/wifi_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "tests/varnex/wireless/wireless_test_support.h"
#include "varnex/wireless/wifi_page_defaults.h"

namespace varnex::wireless {
namespace {

using wirelesstest::Ascii;
using wirelesstest::Blank;
using wirelesstest::Bytes;
using wirelesstest::Fields;
using wirelesstest::Join;

TEST(WifiRequestTest, FourByteCommands) {
  EXPECT_EQ(WifiRequestCommand(WifiRequest::AccessPointQuery), (Bytes{0x1F, 0x1B, 0xFD, 0x03}));
  EXPECT_EQ(WifiRequestCommand(WifiRequest::BaudQuery), (Bytes{0x1F, 0x1B, 0xFD, 0x05}));
  EXPECT_EQ(WifiRequestCommand(WifiRequest::NetworkQuery), (Bytes{0x1F, 0x1B, 0xFD, 0x07}));
  EXPECT_EQ(WifiRequestCommand(WifiRequest::StationAddressQuery), (Bytes{0x1F, 0x1B, 0xFD, 0x11}));
  EXPECT_EQ(WifiRequestCommand(WifiRequest::FactoryReset), (Bytes{0x1F, 0x1B, 0xFD, 0x0C}));
}

struct ModeCase {
  const char* choice;
  std::vector<Bytes> sends;  // empty: nothing sent and nothing shown
};

class WifiModeTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(WifiModeTest, SendsTheModeCommand) {
  wirelesstest::ExpectSends(WifiWorkingModeCommand(GetParam().choice), GetParam().sends);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, WifiModeTest,
    ::testing::Values(ModeCase{"AP", {{0x1F, 0x1B, 0xFD, 0x15, 0x0C}, Ascii("AT+WMODE=AP\r")}},
                      ModeCase{"STA", {{0x1F, 0x1B, 0xFD, 0x15, 0x0D}, Ascii("AT+WMODE=STA\r")}},
                      ModeCase{"AP+STA",
                               {{0x1F, 0x1B, 0xFD, 0x15, 0x0F}, Ascii("AT+WMODE=APSTA\r")}},
                      ModeCase{"", {}}, ModeCase{"ap", {}}, ModeCase{"APSTA", {}}));

TEST(WifiModeChoicesTest, EveryChoiceSendsAndTheDefaultIsAp) {
  for (std::string_view choice : kWifiModeChoices) {
    EXPECT_EQ(WifiWorkingModeCommand(choice).sends.size(), 2u) << choice;
  }
  EXPECT_EQ(kWifiModeChoices[kDefaultWifiModeIndex], "AP");
}

struct StationCase {
  const char* label;
  const char* dhcp;
  StationAddress address;
  std::vector<Bytes> sends;            // empty when refused
  std::optional<int> message;          // string-table id when refused
  std::optional<AddressKind> cleared;  // the control emptied after the message
};

class WifiStationTest : public ::testing::TestWithParam<StationCase> {};

TEST_P(WifiStationTest, ValidatesInOrderThenSendsTheText) {
  const StationCase& c = GetParam();
  const Outcome outcome = WifiStationAddressCommand(c.dhcp, c.address);
  if (c.message) {
    wirelesstest::ExpectRefused(outcome, Message::FromTable(*c.message), c.cleared);
  } else {
    wirelesstest::ExpectSends(outcome, c.sends);
  }
}

const StationAddress kGood{Fields(192, 168, 1, 50), Fields(192, 168, 1, 1),
                           Fields(255, 255, 255, 0)};

INSTANTIATE_TEST_SUITE_P(
    Station, WifiStationTest,
    ::testing::Values(
        StationCase{"Static",
                    "DISABLE",
                    kGood,
                    {{0x1F, 0x1B, 0xFD, 0x12, 0x36},
                     Ascii("AT+WANN=static,192.168.1.50,255.255.255.0,192.168.1.1\r")},
                    std::nullopt,
                    std::nullopt},
        StationCase{"Dhcp",
                    "ENABLE",
                    kGood,
                    {{0x1F, 0x1B, 0xFD, 0x12, 0x34},
                     Ascii("AT+WANN=DHCP,192.168.1.50,255.255.255.0,192.168.1.1\r")},
                    std::nullopt,
                    std::nullopt},
        StationCase{
            "AllBlankReportsIpFirst", "ENABLE", StationAddress{}, {}, 174, AddressKind::IpAddress},
        StationCase{"IpThreeFields",
                    "DISABLE",
                    {Fields(192, 168, 1, {}), kGood.gateway, kGood.mask},
                    {},
                    175,
                    AddressKind::IpAddress},
        StationCase{"GatewayAndMaskBlankReportsGateway",
                    "ENABLE",
                    {kGood.ip, Blank(), Blank()},
                    {},
                    177,
                    AddressKind::Gateway},
        StationCase{"GatewayThreeFields",
                    "DISABLE",
                    {kGood.ip, Fields({}, 168, 1, 1), kGood.mask},
                    {},
                    178,
                    AddressKind::Gateway},
        StationCase{"MaskBlank",
                    "DISABLE",
                    {kGood.ip, kGood.gateway, Blank()},
                    {},
                    180,
                    AddressKind::SubnetMask},
        StationCase{"MaskThreeFields",
                    "ENABLE",
                    {kGood.ip, kGood.gateway, Fields(255, 255, {}, 0)},
                    {},
                    181,
                    AddressKind::SubnetMask}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(WifiJoinNetworkTest, SendsBothModuleCommandsInOneText) {
  wirelesstest::ExpectSends(
      WifiJoinNetworkCommand(u"MyNet", u"secret"),
      {{0x1F, 0x1B, 0xFD, 0x06, 0x21}, Ascii("AT+WSSSID=MyNet\r,AT+WSKEY=secret\r")});
}

TEST(WifiJoinNetworkTest, ChineseNameIsSentInGbk) {
  wirelesstest::ExpectSends(
      WifiJoinNetworkCommand(u"打印", u"k"),
      {{0x1F, 0x1B, 0xFD, 0x06, 0x1B},
       Join(Join(Ascii("AT+WSSSID="), {0xB4, 0xF2, 0xD3, 0xA1}), Ascii("\r,AT+WSKEY=k\r"))});
}

TEST(WifiJoinNetworkTest, EmptyNameOrKeyIsRefused) {
  wirelesstest::ExpectRefused(WifiJoinNetworkCommand(u"", u"secret"), WifiInputErrorMessage());
  wirelesstest::ExpectRefused(WifiJoinNetworkCommand(u"MyNet", u""), WifiInputErrorMessage());
  EXPECT_EQ(WifiInputErrorMessage().InCodeText(platform::UiLanguage::English),
            "输入错误，请检查...");
  EXPECT_EQ(WifiInputErrorMessage().InCodeText(platform::UiLanguage::Chinese),
            "输入错误，请检查...");
}

// With the key "k" the fixed parts of the text take 23 bytes, so a name may take 232 bytes.
struct LengthCase {
  const char* label;
  std::u16string ssid;
  std::optional<std::uint8_t> length;  // the length byte sent, or refused as too long
};

class WifiJoinLengthTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(WifiJoinLengthTest, TextMustFitItsLengthByte) {
  const LengthCase& c = GetParam();
  const Outcome outcome = WifiJoinNetworkCommand(c.ssid, u"k");
  if (!c.length) {
    wirelesstest::ExpectRefused(outcome, TextTooLongMessage());
    return;
  }
  ASSERT_EQ(outcome.sends.size(), 2u);
  EXPECT_EQ(outcome.sends[0], (Bytes{0x1F, 0x1B, 0xFD, 0x06, *c.length}));
  EXPECT_EQ(outcome.sends[1].size(), *c.length);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, WifiJoinLengthTest,
    ::testing::Values(LengthCase{"Ascii232", std::u16string(232, u'a'), 0xFF},
                      LengthCase{"Ascii233", std::u16string(233, u'a'), std::nullopt},
                      LengthCase{"Chinese116", std::u16string(116, u'中'), 0xFF},
                      LengthCase{"Chinese117", std::u16string(117, u'中'), std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(TextTooLongMessageTest, HasATextInEachLanguage) {
  const Message message = TextTooLongMessage();
  EXPECT_FALSE(message.IsFromTable());
  EXPECT_EQ(message.InCodeText(platform::UiLanguage::English),
            "The text is too long (at most 255 bytes)!");
  EXPECT_EQ(message.InCodeText(platform::UiLanguage::Chinese), "输入的内容过长(最多255字节)!");
}

struct AccessPointCase {
  const char* label;
  std::u16string name;
  const char* encryption;
  std::u16string key;
  std::vector<Bytes> sends;  // empty when refused
};

class WifiAccessPointTest : public ::testing::TestWithParam<AccessPointCase> {};

TEST_P(WifiAccessPointTest, SendsHeaderThenEachText) {
  const AccessPointCase& c = GetParam();
  wirelesstest::ExpectSends(WifiAccessPointCommand(c.name, c.encryption, c.key), c.sends);
}

INSTANTIATE_TEST_SUITE_P(
    Combinations, WifiAccessPointTest,
    ::testing::Values(
        AccessPointCase{"NameOnlyIgnoresEncryption",
                        u"MyAP",
                        "WPA2PSK",
                        u"",
                        {{0x1F, 0x1B, 0xFD, 0x02, 0x17, 0x00}, Ascii("AT+WAP=11BGN,MyAP,AUTO\r")}},
        AccessPointCase{"KeyOnlyOpen",
                        u"",
                        "OPEN",
                        u"12345678",
                        {{0x1F, 0x1B, 0xFD, 0x02, 0x00, 0x13}, Ascii("AT+WAKEY=OPEN,NONE\r")}},
        AccessPointCase{
            "KeyOnlyWpa2",
            u"",
            "WPA2PSK",
            u"12345678",
            {{0x1F, 0x1B, 0xFD, 0x02, 0x00, 0x1E}, Ascii("AT+WAKEY=WPA2PSK,AES,12345678\r")}},
        AccessPointCase{"BothWithNoEncryptionChosen",
                        u"MyAP",
                        "",
                        u"12345678",
                        {{0x1F, 0x1B, 0xFD, 0x02, 0x17, 0x13},
                         Ascii("AT+WAP=11BGN,MyAP,AUTO\r"),
                         Ascii("AT+WAKEY=OPEN,NONE\r")}},
        AccessPointCase{"BothWpa2",
                        u"MyAP",
                        "WPA2PSK",
                        u"12345678",
                        {{0x1F, 0x1B, 0xFD, 0x02, 0x17, 0x1E},
                         Ascii("AT+WAP=11BGN,MyAP,AUTO\r"),
                         Ascii("AT+WAKEY=WPA2PSK,AES,12345678\r")}},
        // The key is not used for an open access point, so its length does not matter.
        AccessPointCase{"LongKeyOpen",
                        u"",
                        "OPEN",
                        std::u16string(240, u'k'),
                        {{0x1F, 0x1B, 0xFD, 0x02, 0x00, 0x13}, Ascii("AT+WAKEY=OPEN,NONE\r")}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(WifiAccessPointTest, BothEmptyIsRefusedWhateverTheEncryption) {
  for (const char* encryption : {"", "OPEN", "WPA2PSK"}) {
    wirelesstest::ExpectRefused(WifiAccessPointCommand(u"", encryption, u""),
                                WifiNothingToSetMessage());
  }
  EXPECT_EQ(WifiNothingToSetMessage().InCodeText(platform::UiLanguage::English),
            "无设置项,请重新选择!!!");
}

TEST(WifiAccessPointTest, TextsLongerThanALengthByteAreRefused) {
  // "AT+WAP=11BGN," name ",AUTO\r": 19 bytes around the name.
  wirelesstest::ExpectRefused(WifiAccessPointCommand(std::u16string(237, u'n'), "OPEN", u""),
                              TextTooLongMessage());
  wirelesstest::ExpectRefused(WifiAccessPointCommand(std::u16string(119, u'中'), "OPEN", u""),
                              TextTooLongMessage());
  // "AT+WAKEY=WPA2PSK,AES," key "\r": 22 bytes around the key.
  wirelesstest::ExpectRefused(WifiAccessPointCommand(u"MyAP", "WPA2PSK", std::u16string(234, u'k')),
                              TextTooLongMessage());
  const Outcome longest =
      WifiAccessPointCommand(std::u16string(236, u'n'), "WPA2PSK", std::u16string(233, u'k'));
  ASSERT_EQ(longest.sends.size(), 3u);
  EXPECT_EQ(longest.sends[0], (Bytes{0x1F, 0x1B, 0xFD, 0x02, 0xFF, 0xFF}));
}

struct WifiBaudCase {
  const char* text;
  std::uint8_t code;
};

class WifiBaudTest : public ::testing::TestWithParam<WifiBaudCase> {};

TEST_P(WifiBaudTest, SendsTheCodeOfTheComboText) {
  const WifiBaudCase& c = GetParam();
  EXPECT_EQ(WifiBaudCode(c.text), c.code);
  EXPECT_EQ(WifiBaudCommand(c.text), (Bytes{0x1F, 0x1B, 0xFD, 0x04, c.code}));
}

INSTANTIATE_TEST_SUITE_P(Codes, WifiBaudTest,
                         ::testing::Values(WifiBaudCase{"9600", 0x01}, WifiBaudCase{"19200", 0x02},
                                           WifiBaudCase{"38400", 0x03}, WifiBaudCase{"57600", 0x04},
                                           WifiBaudCase{"115200", 0x05},
                                           WifiBaudCase{"460800", 0x08},
                                           WifiBaudCase{"921600", 0x09},
                                           WifiBaudCase{"230400", 0x09}, WifiBaudCase{"", 0x09}));

TEST(WifiChoicesTest, CombosMatchTheCommandTables) {
  for (std::string_view choice : kWifiBaudChoices) {
    const auto row = std::find_if(kWifiBaudCodes.begin(), kWifiBaudCodes.end(),
                                  [choice](const BaudCode& code) { return code.text == choice; });
    EXPECT_NE(row, kWifiBaudCodes.end()) << choice;
  }
  EXPECT_EQ(kWifiBaudChoices[kDefaultWifiBaudIndex], "921600");
  EXPECT_EQ(kDhcpChoices[kDefaultDhcpIndex], kDhcpEnabledChoice);
  EXPECT_NE(std::find(kEncryptionChoices.begin(), kEncryptionChoices.end(), kWpa2PskChoice),
            kEncryptionChoices.end());
}

}  // namespace
}  // namespace varnex::wireless
