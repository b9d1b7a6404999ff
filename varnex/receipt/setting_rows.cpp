#include "varnex/receipt/setting_rows.h"

#include <algorithm>

namespace varnex::receipt {
namespace {

// Print mode: 1B 4E 03 n.
constexpr std::uint8_t kPrintModePrefix[] = {0x1B, 0x4E, 0x03};
constexpr Choice kPrintModeChoices[] = {{"ASCII", 0x00}, {"Chinese", 0x01}};

// Buzzer: 1F 1B 11 n.
constexpr std::uint8_t kBuzzerPrefix[] = {0x1F, 0x1B, 0x11};
constexpr Choice kBuzzerChoices[] = {{"ON", 0x01}, {"OFF", 0x00}};

// Cutter: 1F 1B 12 n.
constexpr std::uint8_t kCutterPrefix[] = {0x1F, 0x1B, 0x12};
constexpr Choice kCutterChoices[] = {{"ON", 0x01}, {"OFF", 0x00}};

// Serial baud rate: 1B 4E 01 n. 4800 is 00; 2400 and 1200 come last as 06 and 07.
constexpr std::uint8_t kSerialBaudRatePrefix[] = {0x1B, 0x4E, 0x01};
constexpr Choice kSerialBaudRateChoices[] = {
    {"1200", 0x07},  {"2400", 0x06},  {"4800", 0x00},  {"9600", 0x01},
    {"19200", 0x02}, {"38400", 0x03}, {"57600", 0x04}, {"115200", 0x05},
};

// Print density: 1B 4E 04 n.
constexpr std::uint8_t kPrintDensityPrefix[] = {0x1B, 0x4E, 0x04};
constexpr Choice kPrintDensityChoices[] = {
    {"Level1_Light", 0x01},
    {"Level2_Light", 0x02},
    {"Level3_Dark", 0x03},
    {"Level4_Dark", 0x04},
};

// Character set: 1F 1B 1F FA n.
constexpr std::uint8_t kCharacterSetPrefix[] = {0x1F, 0x1B, 0x1F, 0xFA};
constexpr Choice kCharacterSetChoices[] = {{"GB18030", 0x00}, {"BIG5", 0x01}, {"Japanese", 0x02}};

// Default character font: 1B 4E 13 n.
constexpr std::uint8_t kDefaultCharacterFontPrefix[] = {0x1B, 0x4E, 0x13};
constexpr Choice kDefaultCharacterFontChoices[] = {
    {"ASCII:9X17", 0x00},
    {"ASCII:12X24", 0x01},
    {"ASCII:9X24", 0x02},
};

// Order reminder: 1B 4E 21 n. Note the polarity: ON is 00, OFF is 01.
constexpr std::uint8_t kOrderReminderPrefix[] = {0x1B, 0x4E, 0x21};
constexpr Choice kOrderReminderChoices[] = {{"ON", 0x00}, {"OFF", 0x01}};

// Cutter order reminder: 1F 1B 05 02 n.
constexpr std::uint8_t kCutterOrderReminderPrefix[] = {0x1F, 0x1B, 0x05, 0x02};
constexpr Choice kCutterOrderReminderChoices[] = {{"ON", 0x01}, {"OFF", 0x00}};

// DHCP: 1F 1B 17 01 n.
constexpr std::uint8_t kDhcpPrefix[] = {0x1F, 0x1B, 0x17, 0x01};
constexpr Choice kDhcpChoices[] = {{"ENABLE", 0x01}, {"DISABLE", 0x00}};

// Print speed: 1F 1B 17 02 n.
constexpr std::uint8_t kPrintSpeedPrefix[] = {0x1F, 0x1B, 0x17, 0x02};
constexpr Choice kPrintSpeedChoices[] = {
    {"0", 0x00}, {"1", 0x01}, {"2", 0x02}, {"3", 0x03}, {"4", 0x04}, {"5", 0x05}, {"6", 0x06},
};

// USB multi-port: 1F 1B 16 09 n.
constexpr std::uint8_t kUsbMultiPortPrefix[] = {0x1F, 0x1B, 0x16, 0x09};
constexpr Choice kUsbMultiPortChoices[] = {{"ENABLE", 0x01}, {"DISABLE", 0x00}};

// USB interface type: 1F 1B 16 0A n.
constexpr std::uint8_t kUsbInterfaceTypePrefix[] = {0x1F, 0x1B, 0x16, 0x0A};
constexpr Choice kUsbInterfaceTypeChoices[] = {{"PRINTER", 0x00}, {"VCOM", 0x01}};

// Print width: 1F 1B 16 0B n.
constexpr std::uint8_t kPrintWidthPrefix[] = {0x1F, 0x1B, 0x16, 0x0B};
constexpr Choice kPrintWidthChoices[] = {{"80mm", 0x00}, {"58mm", 0x01}};

// In the order of the enumeration.
constexpr SettingRow kRows[] = {
    {Setting::PrintMode, "Print mode", kPrintModePrefix, kPrintModeChoices, 0x00, "Chinese"},
    {Setting::Buzzer, "Buzzer", kBuzzerPrefix, kBuzzerChoices, 0x00, "ON"},
    {Setting::Cutter, "Cutter", kCutterPrefix, kCutterChoices, 0x00, "ON"},
    {Setting::SerialBaudRate, "Serial baud rate", kSerialBaudRatePrefix, kSerialBaudRateChoices,
     std::nullopt, "115200"},
    {Setting::PrintDensity, "Print density", kPrintDensityPrefix, kPrintDensityChoices, 0x01,
     "Level3_Dark"},
    {Setting::CharacterSet, "Character set", kCharacterSetPrefix, kCharacterSetChoices, 0x00,
     "GB18030"},
    {Setting::DefaultCharacterFont, "Default character font", kDefaultCharacterFontPrefix,
     kDefaultCharacterFontChoices, 0x00, "ASCII:12X24"},
    {Setting::OrderReminder, "Order reminder", kOrderReminderPrefix, kOrderReminderChoices, 0x00,
     "ON"},
    {Setting::CutterOrderReminder, "Cutter order reminder", kCutterOrderReminderPrefix,
     kCutterOrderReminderChoices, 0x00, "ON"},
    {Setting::Dhcp, "DHCP", kDhcpPrefix, kDhcpChoices, 0x00, "DISABLE"},
    {Setting::PrintSpeed, "Print speed", kPrintSpeedPrefix, kPrintSpeedChoices, 0x00, "0"},
    {Setting::UsbMultiPort, "USB multi-port", kUsbMultiPortPrefix, kUsbMultiPortChoices, 0x00,
     "DISABLE"},
    {Setting::UsbInterfaceType, "USB interface type", kUsbInterfaceTypePrefix,
     kUsbInterfaceTypeChoices, 0x00, "PRINTER"},
    {Setting::PrintWidth, "Print width", kPrintWidthPrefix, kPrintWidthChoices, 0x00, "80mm"},
};

static_assert(common::RowsFollowEnumeration(kRows),
              "kRows must list the settings in enumeration order");
static_assert(common::EveryDefaultIsAChoice(kRows),
              "every default must be one of its row's choices");

}  // namespace

std::size_t SettingRow::DefaultIndex() const {
  return common::IndexOfChoice(choices, defaultChoice);
}

std::vector<std::string_view> SettingRow::ChoiceTexts() const {
  return common::ChoiceTexts(choices);
}

std::span<const SettingRow> SettingRows() {
  return kRows;
}

const SettingRow& RowOf(Setting setting) {
  return kRows[static_cast<std::size_t>(setting)];
}

Bytes BuildSetting(Setting setting, std::string_view shownText) {
  const SettingRow& row = RowOf(setting);
  std::optional<std::uint8_t> value = common::ValueOfChoice(row.choices, shownText);
  if (!value) {
    value = row.fallback;
  }
  if (!value) {
    return {};
  }
  Bytes bytes(row.prefix.begin(), row.prefix.end());
  bytes.push_back(*value);
  return bytes;
}

}  // namespace varnex::receipt
