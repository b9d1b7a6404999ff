#include "tools/virtual-printer/command_table.h"

#include <array>

namespace virtual_printer {
namespace {

using V = ValueKind;

// Choice lists, one per setting family. The value bytes are the ones the setting tools send.
constexpr std::array<Choice, 2> kPrintMode{{{0x00, "ASCII"}, {0x01, "Chinese"}}};
constexpr std::array<Choice, 2> kOnOneOffZero{{{0x01, "ON"}, {0x00, "OFF"}}};
constexpr std::array<Choice, 2> kOnZeroOffOne{{{0x00, "ON"}, {0x01, "OFF"}}};
constexpr std::array<Choice, 2> kEnable{{{0x01, "ENABLE"}, {0x00, "DISABLE"}}};
constexpr std::array<Choice, 8> kSerialBaud{{{0x00, "4800"},
                                             {0x01, "9600"},
                                             {0x02, "19200"},
                                             {0x03, "38400"},
                                             {0x04, "57600"},
                                             {0x05, "115200"},
                                             {0x06, "2400"},
                                             {0x07, "1200"}}};
constexpr std::array<Choice, 4> kDensity{
    {{0x01, "Level1_Light"}, {0x02, "Level2_Light"}, {0x03, "Level3_Dark"}, {0x04, "Level4_Dark"}}};
constexpr std::array<Choice, 3> kCharacterSet{
    {{0x00, "GB18030"}, {0x01, "BIG5"}, {0x02, "Japanese"}}};
constexpr std::array<Choice, 3> kDefaultFont{
    {{0x00, "ASCII:9X17"}, {0x01, "ASCII:12X24"}, {0x02, "ASCII:9X24"}}};
// 1F 1B 17 02 is the receipt print speed and the label supply voltage at once.
constexpr std::array<Choice, 7> kSpeedOrVoltage{{{0x00, "0 / 110-220V"},
                                                 {0x01, "1 / 100V"},
                                                 {0x02, "2"},
                                                 {0x03, "3"},
                                                 {0x04, "4"},
                                                 {0x05, "5"},
                                                 {0x06, "6"}}};
// 1F 1B 16 0A is the receipt USB interface type and the label reprint switch at once.
constexpr std::array<Choice, 2> kInterfaceOrReprint{{{0x00, "PRINTER / OFF"}, {0x01, "VCOM / ON"}}};
// 1F 1B 16 0B is the receipt print width and the label sensor tube type at once.
constexpr std::array<Choice, 2> kWidthOrTube{
    {{0x00, "80mm / reflector tube"}, {0x01, "58mm / counter tube"}}};
constexpr std::array<Choice, 3> kCommandLanguage{
    {{0x01, "TSPL"}, {0x02, "CPCL"}, {0x00, "ESC/POS"}}};
constexpr std::array<Choice, 3> kSensorIntensity{
    {{0xFA, "level_1"}, {0xBA, "level_2"}, {0x32, "level_3"}}};
constexpr std::array<Choice, 9> kBluetoothBaud{{{0x01, "9600"},
                                                {0x02, "19200"},
                                                {0x03, "38400"},
                                                {0x04, "57600"},
                                                {0x05, "115200"},
                                                {0x06, "460800"},
                                                {0x07, "921600"},
                                                {0x08, "230400"},
                                                {0x09, "1000000"}}};
constexpr std::array<Choice, 7> kWifiBaud{{{0x01, "9600"},
                                           {0x02, "19200"},
                                           {0x03, "38400"},
                                           {0x04, "57600"},
                                           {0x05, "115200"},
                                           {0x08, "460800"},
                                           {0x09, "921600"}}};
constexpr std::array<Choice, 2> kRepeatPrinting{{{0x55, "ON"}, {0x33, "OFF"}}};
constexpr std::array<Choice, 6> kAlignment{{{0x00, "left"},
                                            {0x01, "centre"},
                                            {0x02, "right"},
                                            {0x30, "left"},
                                            {0x31, "centre"},
                                            {0x32, "right"}}};

std::vector<CommandRow> BuildTable() {
  return {
      // Receipt printer settings.
      {"print mode", {0x1B, 0x4E, 0x03}, V::kChoice, kPrintMode},
      {"buzzer", {0x1F, 0x1B, 0x11}, V::kChoice, kOnOneOffZero},
      {"cutter", {0x1F, 0x1B, 0x12}, V::kChoice, kOnOneOffZero},
      {"serial baud", {0x1B, 0x4E, 0x01}, V::kChoice, kSerialBaud},
      {"serial baud", {0x1F, 0x1B, 0x1F, 0xFD}, V::kChoice, kSerialBaud},
      {"print density", {0x1B, 0x4E, 0x04}, V::kChoice, kDensity},
      {"character set", {0x1F, 0x1B, 0x1F, 0xFA}, V::kChoice, kCharacterSet},
      {"default font", {0x1B, 0x4E, 0x13}, V::kChoice, kDefaultFont},
      {"order reminder", {0x1B, 0x4E, 0x21}, V::kChoice, kOnZeroOffOne},
      {"cutter order reminder", {0x1F, 0x1B, 0x05, 0x02}, V::kChoice, kOnOneOffZero},
      {"DHCP", {0x1F, 0x1B, 0x17, 0x01}, V::kChoice, kEnable},
      {"print speed / label supply voltage", {0x1F, 0x1B, 0x17, 0x02}, V::kChoice, kSpeedOrVoltage},
      {"USB multi-port", {0x1F, 0x1B, 0x16, 0x09}, V::kChoice, kEnable},
      {"USB interface type / label reprint",
       {0x1F, 0x1B, 0x16, 0x0A},
       V::kChoice,
       kInterfaceOrReprint},
      {"print width / label sensor tube", {0x1F, 0x1B, 0x16, 0x0B}, V::kChoice, kWidthOrTube},
      {"code page", {0x1F, 0x1B, 0x1F, 0xFF}, V::kDecimal, {}, false, {0x0A}},
      {"USB product id", {0x1F, 0x1B, 0x16, 0x01}, V::kId16},
      {"USB vendor id", {0x1F, 0x1B, 0x16, 0x02}, V::kId16},
      {"repeat printing", {0x1F, 0x1B, 0x1F, 0xF4, 0x11, 0x22, 0x33}, V::kChoice, kRepeatPrinting},
      {"self-test page", {0x1F, 0x11, 0x04}},
      {"restore factory settings", {0x1F, 0x1B, 0x19}},

      // Label printer configuration (the label text commands are shown as text).
      {"command language", {0x1F, 0x1B, 0x1F, 0xFB}, V::kChoice, kCommandLanguage, true},
      {"sensor intensity", {0x1F, 0x1B, 0x16, 0x06}, V::kChoice, kSensorIntensity, false, {0x00}},
      {"model text", {0x1F, 0x1B, 0x16, 0x0C}, V::kText},

      // Bluetooth module (position 1 and 2) and wired network parameters.
      {"Bluetooth name", {0x1F, 0x11, 0x08, 0x01}, V::kText},
      {"Bluetooth name", {0x1F, 0x11, 0x08, 0x02}, V::kText},
      {"Bluetooth PIN", {0x1F, 0x11, 0x09, 0x01}, V::kText},
      {"Bluetooth PIN", {0x1F, 0x11, 0x09, 0x02}, V::kText},
      {"Bluetooth baud", {0x1F, 0x11, 0x0C, 0x01}, V::kChoice, kBluetoothBaud},
      {"Bluetooth baud", {0x1F, 0x11, 0x0C, 0x02}, V::kChoice, kBluetoothBaud},
      {"Bluetooth PIN query", {0x1F, 0x11, 0x0A, 0x01}},
      {"Bluetooth PIN query", {0x1F, 0x11, 0x0A, 0x02}},
      {"Bluetooth baud query", {0x1F, 0x11, 0x0B, 0x01}},
      {"Bluetooth baud query", {0x1F, 0x11, 0x0B, 0x02}},
      {"IP address", {0x1F, 0x1B, 0x1D, 0x00}, V::kIpv4},
      {"subnet mask", {0x1F, 0x1B, 0x1D, 0x01}, V::kIpv4},
      {"gateway", {0x1F, 0x1B, 0x1D, 0x02}, V::kIpv4},
      {"MAC address", {0x1F, 0x1B, 0x18}, V::kMac},

      // WiFi module commands inside the 1F 1B FD wrapper.
      {"WiFi access point", {0x1F, 0x1B, 0xFD, 0x02}, V::kWifiAtPair},
      {"WiFi access point query", {0x1F, 0x1B, 0xFD, 0x03}},
      {"WiFi baud", {0x1F, 0x1B, 0xFD, 0x04}, V::kChoice, kWifiBaud},
      {"WiFi baud query", {0x1F, 0x1B, 0xFD, 0x05}},
      {"WiFi network to join", {0x1F, 0x1B, 0xFD, 0x06}, V::kWifiAt},
      {"WiFi network query", {0x1F, 0x1B, 0xFD, 0x07}},
      {"WiFi factory reset", {0x1F, 0x1B, 0xFD, 0x0C}},
      {"WiFi station address query", {0x1F, 0x1B, 0xFD, 0x11}},
      {"WiFi station address", {0x1F, 0x1B, 0xFD, 0x12}, V::kWifiAt},
      {"WiFi working mode", {0x1F, 0x1B, 0xFD, 0x15}, V::kWifiAt},

      // NV logo.
      {"NV logo", {0x1C, 0x71, 0x01}, V::kNvLogo},
      {"print NV logo", {0x1C, 0x70}, V::kNvPrint},

      // Upgrades: the announce, then file data.
      {"font library upgrade", {0x1F, 0x1B, 0x16, 0x08}, V::kUpgrade},
      {"printer program upgrade", {0x1F, 0x1B, 0x16, 0x0B}, V::kUpgrade},

      // Self-test page texts (1F 1B 1F FB with a length above 2; 0 to 2 is the command language).
      {"self-test header", {0x1F, 0x1B, 0x1F, 0xFB}, V::kText},
      {"self-test version", {0x1F, 0x1B, 0x1F, 0xFC}, V::kText},
      {"self-test date", {0x1F, 0x1B, 0x1F, 0xFE}, V::kText},
      {"self-test speed", {0x1F, 0x1B, 0x1F, 0xF2}, V::kText},
      {"self-test font library", {0x1F, 0x1B, 0x1F, 0xF1}, V::kText},

      // Queries that expect an answer.
      {"status query", {0x10, 0x04, 0x01}},
      {"network parameter query", {0x10, 0x04, 0x13}},
      {"real-time status request", {0x10, 0x04}, V::kHex},
      {"status query", {0x1B, 0x76}},

      // Plain print commands used by the test prints, cut and cash drawer.
      {"initialise", {0x1B, 0x40}},
      {"character style", {0x1B, 0x21}, V::kHex},
      {"alignment", {0x1B, 0x61}, V::kChoice, kAlignment},
      {"unidirectional printing", {0x1B, 0x55}, V::kHex},
      {"line spacing", {0x1B, 0x33}, V::kDecimal},
      {"feed lines", {0x1B, 0x64}, V::kDecimal},
      {"leave Chinese mode", {0x1C, 0x2E}},
      {"enter Chinese mode", {0x1C, 0x26}},
      {"print position to line start", {0x1D, 0x54}},
      {"feed and partial cut", {0x1D, 0x56, 0x42}, V::kDecimal},
      {"feed and full cut", {0x1D, 0x56, 0x41}, V::kDecimal},
      {"full cut", {0x1D, 0x56, 0x00}},
      {"full cut", {0x1D, 0x56, 0x30}},
      {"partial cut", {0x1D, 0x56, 0x01}},
      {"partial cut", {0x1D, 0x56, 0x31}},
      {"cash drawer pulse", {0x1B, 0x70}, V::kDrawerPulse},
  };
}

}  // namespace

std::size_t ValueByteCount(ValueKind kind) {
  switch (kind) {
    case V::kNone:
    case V::kUpgrade:
      return 0;
    case V::kChoice:
    case V::kDecimal:
    case V::kHex:
    case V::kText:
    case V::kWifiAt:
      return 1;
    case V::kId16:
    case V::kNvPrint:
    case V::kWifiAtPair:
      return 2;
    case V::kDrawerPulse:
      return 3;
    case V::kIpv4:
    case V::kNvLogo:
      return 4;
    case V::kMac:
      return 6;
  }
  return 0;
}

const std::vector<CommandRow>& KnownCommands() {
  static const std::vector<CommandRow> table = BuildTable();
  return table;
}

}  // namespace virtual_printer
