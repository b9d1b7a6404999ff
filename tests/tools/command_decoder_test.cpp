#include "tools/virtual-printer/command_decoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace virtual_printer {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Text(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes joined;
  for (const Bytes& part : parts) {
    joined.insert(joined.end(), part.begin(), part.end());
  }
  return joined;
}

// One row: the chunks as they are read from one channel, and the lines they must give.
struct DecodeCase {
  const char* name;
  std::vector<Bytes> chunks;
  std::vector<std::string> lines;
};

std::ostream& operator<<(std::ostream& out, const DecodeCase& row) {
  return out << row.name;
}

std::vector<std::string> DecodeAll(CommandDecoder& decoder, const std::vector<Bytes>& chunks) {
  std::vector<std::string> lines;
  for (const Bytes& chunk : chunks) {
    for (std::string& line : decoder.Decode(chunk)) {
      lines.push_back(std::move(line));
    }
  }
  return lines;
}

class CommandDecoderTable : public testing::TestWithParam<DecodeCase> {};

TEST_P(CommandDecoderTable, ShowsTheExpectedLines) {
  CommandDecoder decoder;
  EXPECT_EQ(DecodeAll(decoder, GetParam().chunks), GetParam().lines);
  EXPECT_FALSE(decoder.HasPending());
}

const DecodeCase kDecodeCases[] = {
    {"PrintModeChinese", {{0x1B, 0x4E, 0x03, 0x01}}, {"print mode: Chinese (1B 4E 03 01)"}},
    {"PrintModeAscii", {{0x1B, 0x4E, 0x03, 0x00}}, {"print mode: ASCII (1B 4E 03 00)"}},
    {"BuzzerOn", {{0x1F, 0x1B, 0x11, 0x01}}, {"buzzer: ON (1F 1B 11 01)"}},
    {"CutterOff", {{0x1F, 0x1B, 0x12, 0x00}}, {"cutter: OFF (1F 1B 12 00)"}},
    {"SerialBaud4800IsZero", {{0x1B, 0x4E, 0x01, 0x00}}, {"serial baud: 4800 (1B 4E 01 00)"}},
    {"SerialBaud115200", {{0x1B, 0x4E, 0x01, 0x05}}, {"serial baud: 115200 (1B 4E 01 05)"}},
    {"OrderReminderOnIsZero", {{0x1B, 0x4E, 0x21, 0x00}}, {"order reminder: ON (1B 4E 21 00)"}},
    {"UnlistedChoice", {{0x1F, 0x1B, 0x11, 0x07}}, {"buzzer: unlisted value 07 (1F 1B 11 07)"}},
    {"CodePageWithLineFeed",
     {{0x1F, 0x1B, 0x1F, 0xFF, 0x10, 0x0A}},
     {"code page: 16 (1F 1B 1F FF 10 0A)"}},
    {"CodePageTwoLineFeeds",
     {{0x1F, 0x1B, 0x1F, 0xFF, 0xFF, 0x0A, 0x0A}},
     {"code page: 255 (1F 1B 1F FF FF 0A)", "line feed"}},
    {"UsbProductId",
     {{0x1F, 0x1B, 0x16, 0x01, 0x11, 0x50}},
     {"USB product id: 5011 (1F 1B 16 01 11 50)"}},
    {"UsbVendorId",
     {{0x1F, 0x1B, 0x16, 0x02, 0x16, 0x04}},
     {"USB vendor id: 0416 (1F 1B 16 02 16 04)"}},
    {"SensorIntensityTakesItsZero",
     {{0x1F, 0x1B, 0x16, 0x06, 0x32, 0x00}},
     {"sensor intensity: level_3 (1F 1B 16 06 32 00)"}},
    {"CommandLanguageEscPos",
     {{0x1F, 0x1B, 0x1F, 0xFB, 0x00}},
     {"command language: ESC/POS (1F 1B 1F FB 00)"}},
    {"SelfTestHeaderSharesThePrefix",
     {{0x1F, 0x1B, 0x1F, 0xFB, 0x06, 'H', 'e', 'a', 'd', 'e', 'r'}},
     {"self-test header: \"Header\" (1F 1B 1F FB 06)"}},
    {"PrintWidthIsFiveBytes",
     {{0x1F, 0x1B, 0x16, 0x0B, 0x01}},
     {"print width / label sensor tube: 58mm / counter tube (1F 1B 16 0B 01)"}},
    {"IpAddress",
     {{0x1F, 0x1B, 0x1D, 0x00, 0xC0, 0xA8, 0x01, 0x64}},
     {"IP address: 192.168.1.100 (1F 1B 1D 00 C0 A8 01 64)"}},
    {"SubnetMask",
     {{0x1F, 0x1B, 0x1D, 0x01, 0xFF, 0xFF, 0xFF, 0x00}},
     {"subnet mask: 255.255.255.0 (1F 1B 1D 01 FF FF FF 00)"}},
    {"MacAddress",
     {{0x1F, 0x1B, 0x18, 0x02, 0x03, 0x04, 0x0A, 0xFD, 0x09}},
     {"MAC address: 02:03:04:0A:FD:09 (1F 1B 18 02 03 04 0A FD 09)"}},
    {"BluetoothNameInOneChunk",
     {Join({{0x1F, 0x11, 0x08, 0x01, 0x11}, Text("Bluetooth Printer")})},
     {"Bluetooth name: \"Bluetooth Printer\" (1F 11 08 01 11)"}},
    {"BluetoothNameTextInTheNextChunk",
     {{0x1F, 0x11, 0x08, 0x01, 0x11}, Text("Bluetooth Printer")},
     {"Bluetooth name: \"Bluetooth Printer\" (1F 11 08 01 11)"}},
    {"BluetoothPinThenAnotherCommand",
     {Join({{0x1F, 0x11, 0x09, 0x01, 0x04}, Text("2948"), {0x1F, 0x11, 0x0A, 0x01}})},
     {"Bluetooth PIN: \"2948\" (1F 11 09 01 04)", "Bluetooth PIN query (1F 11 0A 01)"}},
    {"BluetoothBaud",
     {{0x1F, 0x11, 0x0C, 0x01, 0x07}},
     {"Bluetooth baud: 921600 (1F 11 0C 01 07)"}},
    {"ModelTextInGbk",
     {{0x1F, 0x1B, 0x16, 0x0C, 0x04}, {0xD6, 0xD0, 0xCE, 0xC4}},
     {"model text: \"中文\" (1F 1B 16 0C 04)"}},
    {"WifiWorkingMode",
     {{0x1F, 0x1B, 0xFD, 0x15, 0x0F}, Text("AT+WMODE=APSTA\r")},
     {"WiFi AT: AT+WMODE=APSTA"}},
    {"WifiNetworkToJoinCarriesTwoCommands",
     {Join({{0x1F, 0x1B, 0xFD, 0x06, 0x1E}, Text("AT+WSSSID=net\r,AT+WSKEY=key12\r")})},
     {"WiFi AT: AT+WSSSID=net", "WiFi AT: AT+WSKEY=key12"}},
    {"WifiAccessPointTwoTexts",
     {{0x1F, 0x1B, 0xFD, 0x02, 0x15, 0x13},
      Text("AT+WAP=11BGN,ap,AUTO\r"),
      Bytes{},
      Text("AT+WAKEY=OPEN,NONE\r")},
     {"WiFi AT: AT+WAP=11BGN,ap,AUTO", "WiFi AT: AT+WAKEY=OPEN,NONE"}},
    {"WifiBaud", {{0x1F, 0x1B, 0xFD, 0x04, 0x08}}, {"WiFi baud: 460800 (1F 1B FD 04 08)"}},
    {"WifiFactoryReset", {{0x1F, 0x1B, 0xFD, 0x0C}}, {"WiFi factory reset (1F 1B FD 0C)"}},
    {"NvLogo16By16",
     {Join({{0x1C, 0x71, 0x01, 0x02, 0x00, 0x02, 0x00}, Bytes(32, 0xFF), {0x0A}})},
     {"NV logo: 2 x 2 bytes (16 x 16 dots), 32 data bytes", "line feed"}},
    {"NvLogoDataOverSeveralReads",
     {{0x1C, 0x71, 0x01, 0x02, 0x00, 0x02, 0x00}, Bytes(20, 0x1B), Bytes(12, 0x1F), {0x0A}},
     {"NV logo: 2 x 2 bytes (16 x 16 dots), 32 data bytes", "line feed"}},
    {"ClearLogo",
     {Join({{0x1C, 0x71, 0x01, 0x01, 0x00, 0x01, 0x00}, Bytes(8, 0x00), {0x0A}})},
     {"NV logo: 1 x 1 bytes (8 x 8 dots), 8 data bytes", "line feed"}},
    {"PrintLogoDoubleWidthAndHeight",
     {{0x1B, 0x40, 0x1B, 0x61, 0x01, 0x1C, 0x70, 0x01, 0x03, 0x0A, 0x0A, 0x0A, 0x1B, 0x40}},
     {"initialise (1B 40)", "alignment: centre (1B 61 01)",
      "print NV logo: image 1, double width and height (1C 70 01 03)", "line feed x3",
      "initialise (1B 40)"}},
    {"FeedAndCut",
     {{0x0A, 0x1B, 0x40, 0x1D, 0x56, 0x42, 0x10, 0x0A}},
     {"line feed", "initialise (1B 40)", "feed and partial cut: 16 (1D 56 42 10)", "line feed"}},
    {"CashDrawer",
     {{0x1B, 0x70, 0x01, 0x40, 0x50}},
     {"cash drawer pulse: pin 5, on 64, off 80 (1B 70 01 40 50)"}},
    {"SelfTestPage", {{0x1F, 0x11, 0x04}}, {"self-test page (1F 11 04)"}},
    {"StatusQueries",
     {{0x10, 0x04, 0x01, 0x1B, 0x76}},
     {"status query (10 04 01)", "status query (1B 76)"}},
    {"NetworkQuery", {{0x10, 0x04, 0x13}}, {"network parameter query (10 04 13)"}},
    {"LabelSizeText", {Text("SIZE 100 mm,150 mm \r\n")}, {"text: SIZE 100 mm,150 mm "}},
    {"LabelLines",
     {Text("DIRECTION 1\r\nDENSITY 8\r\nSET SENSOR GAP\r\n")},
     {"text: DIRECTION 1", "text: DENSITY 8", "text: SET SENSOR GAP"}},
    {"GbkTextAsUtf8", {{0xD6, 0xD0, 'A', 'B', 'C', 0x0D, 0x0A}}, {"text: 中ABC"}},
    {"UnknownEscape", {{0x1B, 0x99}}, {"unknown: 1B 99"}},
    {"UnknownEscapeThenText",
     {Join({{0x1B, 0x45, 0x01}, Text("Hello\n")})},
     {"unknown: 1B 45 01", "text: Hello"}},
    {"UnknownBeforeKnown",
     {{0x00, 0x1B, 0x4E, 0x03, 0x01}},
     {"unknown: 00", "print mode: Chinese (1B 4E 03 01)"}},
    {"CommandCutByARead", {{0x1F, 0x1B}, {0x11, 0x00}}, {"buzzer: OFF (1F 1B 11 00)"}},
    {"ValueCutByARead",
     {{0x1F, 0x1B, 0x1D, 0x02, 0xC0}, {0xA8, 0x01, 0x01}},
     {"gateway: 192.168.1.1 (1F 1B 1D 02 C0 A8 01 01)"}},
};

INSTANTIATE_TEST_SUITE_P(Commands, CommandDecoderTable, testing::ValuesIn(kDecodeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandDecoder, FlushShowsATextThatNeverCame) {
  CommandDecoder decoder;
  EXPECT_TRUE(decoder.Decode(Bytes{0x1F, 0x11, 0x08, 0x01, 0x11}).empty());
  EXPECT_TRUE(decoder.Decode(Text("Blue")).empty());
  EXPECT_TRUE(decoder.EndOfSend().empty()) << "a complete header keeps waiting for its text";
  ASSERT_TRUE(decoder.HasPending());
  EXPECT_EQ(decoder.Flush(),
            (std::vector<std::string>{"Bluetooth name: \"Blue\" (incomplete: 4 of 17 bytes) "
                                      "(1F 11 08 01 11)"}));
  EXPECT_FALSE(decoder.HasPending());
  EXPECT_EQ(decoder.Decode(Text("Printer\r\n")), (std::vector<std::string>{"text: Printer"}));
}

TEST(CommandDecoder, EndOfSendShowsACutCommand) {
  CommandDecoder decoder;
  EXPECT_TRUE(decoder.Decode(Bytes{0x1F, 0x1B, 0x1D}).empty());
  EXPECT_EQ(decoder.EndOfSend(), (std::vector<std::string>{"incomplete command: 1F 1B 1D"}));
  EXPECT_FALSE(decoder.HasPending());
}

TEST(CommandDecoder, UpgradeDataIsCountedUntilTheChannelIsQuiet) {
  CommandDecoder decoder;
  EXPECT_EQ(decoder.Decode(Bytes{0x1F, 0x1B, 0x16, 0x08}),
            (std::vector<std::string>{"font library upgrade (1F 1B 16 08)"}));
  // File data is not decoded, even where it looks like a command.
  EXPECT_TRUE(decoder.Decode(Bytes(2048, 0x1B)).empty());
  EXPECT_TRUE(decoder.Decode(Bytes{0x1F, 0x1B, 0x11, 0x01}).empty());
  EXPECT_EQ(decoder.Flush(), (std::vector<std::string>{"upgrade data: 2052 bytes"}));
  EXPECT_EQ(decoder.Decode(Bytes{0x1F, 0x1B, 0x11, 0x01}),
            (std::vector<std::string>{"buzzer: ON (1F 1B 11 01)"}));
}

TEST(CommandDecoder, ProgramUpgradeAnnounceIsFourBytesAlone) {
  CommandDecoder decoder;
  EXPECT_EQ(decoder.Decode(Bytes{0x1F, 0x1B, 0x16, 0x0B}),
            (std::vector<std::string>{"printer program upgrade (1F 1B 16 0B)"}));
  EXPECT_TRUE(decoder.Decode(Bytes{0x01, 0x02, 0x03}).empty());
  EXPECT_EQ(decoder.Flush(), (std::vector<std::string>{"upgrade data: 3 bytes"}));
}

TEST(CommandDecoder, LongRunsAreShortened) {
  CommandDecoder decoder;
  const auto lines = decoder.Decode(Bytes(100, 0x00));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(lines[0].starts_with("unknown: 00 00 "));
  EXPECT_TRUE(lines[0].ends_with("... (100 bytes)"));
}

// Arbitrary bytes, cut at arbitrary places, always decode to some lines and leave nothing
// pending after a flush.
TEST(CommandDecoder, SurvivesArbitraryBytes) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 40);
  // Bytes that start commands are made more frequent so that headers and payloads are hit.
  const std::uint8_t interesting[] = {0x1F, 0x1B, 0x1C, 0x1D, 0x10, 0x11, 0x16, 0x1D,
                                      0xFD, 0x04, 0x01, 0x71, 0x0A, 0x0D, 0xFF, 0x00};
  std::size_t lineCount = 0;
  for (int round = 0; round < 300; ++round) {
    CommandDecoder decoder;
    for (int chunk = 0; chunk < 20; ++chunk) {
      Bytes bytes(static_cast<std::size_t>(length(random)));
      for (auto& value : bytes) {
        const int pick = byte(random);
        value = pick < 128 ? interesting[pick % std::size(interesting)]
                           : static_cast<std::uint8_t>(byte(random));
      }
      for (const auto& line : decoder.Decode(bytes)) {
        EXPECT_FALSE(line.empty());
        ++lineCount;
      }
      if (chunk % 7 == 6) {
        decoder.EndOfSend();
      }
    }
    decoder.Flush();
    EXPECT_FALSE(decoder.HasPending());
  }
  EXPECT_GT(lineCount, 0u);
}

}  // namespace
}  // namespace virtual_printer
