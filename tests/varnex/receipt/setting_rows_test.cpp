#include "varnex/receipt/setting_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnex::receipt {
namespace {

struct SettingCase {
  Setting setting;
  std::string shownText;
  Bytes expected;
};

void PrintTo(const SettingCase& c, std::ostream* os) {
  *os << RowOf(c.setting).name << " \"" << c.shownText << "\"";
}

class BuildSettingTest : public testing::TestWithParam<SettingCase> {};

TEST_P(BuildSettingTest, SendsPrefixAndChoiceByte) {
  const SettingCase& c = GetParam();
  EXPECT_EQ(BuildSetting(c.setting, c.shownText), c.expected);
}

// Every entry of every list, then the fallback of each row (an unknown text and a text that
// differs only in case).
INSTANTIATE_TEST_SUITE_P(
    EveryChoice, BuildSettingTest,
    testing::Values(
        SettingCase{Setting::PrintMode, "ASCII", {0x1B, 0x4E, 0x03, 0x00}},
        SettingCase{Setting::PrintMode, "Chinese", {0x1B, 0x4E, 0x03, 0x01}},
        SettingCase{Setting::Buzzer, "ON", {0x1F, 0x1B, 0x11, 0x01}},
        SettingCase{Setting::Buzzer, "OFF", {0x1F, 0x1B, 0x11, 0x00}},
        SettingCase{Setting::Cutter, "ON", {0x1F, 0x1B, 0x12, 0x01}},
        SettingCase{Setting::Cutter, "OFF", {0x1F, 0x1B, 0x12, 0x00}},
        SettingCase{Setting::SerialBaudRate, "1200", {0x1B, 0x4E, 0x01, 0x07}},
        SettingCase{Setting::SerialBaudRate, "2400", {0x1B, 0x4E, 0x01, 0x06}},
        SettingCase{Setting::SerialBaudRate, "4800", {0x1B, 0x4E, 0x01, 0x00}},
        SettingCase{Setting::SerialBaudRate, "9600", {0x1B, 0x4E, 0x01, 0x01}},
        SettingCase{Setting::SerialBaudRate, "19200", {0x1B, 0x4E, 0x01, 0x02}},
        SettingCase{Setting::SerialBaudRate, "38400", {0x1B, 0x4E, 0x01, 0x03}},
        SettingCase{Setting::SerialBaudRate, "57600", {0x1B, 0x4E, 0x01, 0x04}},
        SettingCase{Setting::SerialBaudRate, "115200", {0x1B, 0x4E, 0x01, 0x05}},
        SettingCase{Setting::PrintDensity, "Level1_Light", {0x1B, 0x4E, 0x04, 0x01}},
        SettingCase{Setting::PrintDensity, "Level2_Light", {0x1B, 0x4E, 0x04, 0x02}},
        SettingCase{Setting::PrintDensity, "Level3_Dark", {0x1B, 0x4E, 0x04, 0x03}},
        SettingCase{Setting::PrintDensity, "Level4_Dark", {0x1B, 0x4E, 0x04, 0x04}},
        SettingCase{Setting::CharacterSet, "GB18030", {0x1F, 0x1B, 0x1F, 0xFA, 0x00}},
        SettingCase{Setting::CharacterSet, "BIG5", {0x1F, 0x1B, 0x1F, 0xFA, 0x01}},
        SettingCase{Setting::CharacterSet, "Japanese", {0x1F, 0x1B, 0x1F, 0xFA, 0x02}},
        SettingCase{Setting::DefaultCharacterFont, "ASCII:9X17", {0x1B, 0x4E, 0x13, 0x00}},
        SettingCase{Setting::DefaultCharacterFont, "ASCII:12X24", {0x1B, 0x4E, 0x13, 0x01}},
        SettingCase{Setting::DefaultCharacterFont, "ASCII:9X24", {0x1B, 0x4E, 0x13, 0x02}},
        SettingCase{Setting::OrderReminder, "ON", {0x1B, 0x4E, 0x21, 0x00}},
        SettingCase{Setting::OrderReminder, "OFF", {0x1B, 0x4E, 0x21, 0x01}},
        SettingCase{Setting::CutterOrderReminder, "ON", {0x1F, 0x1B, 0x05, 0x02, 0x01}},
        SettingCase{Setting::CutterOrderReminder, "OFF", {0x1F, 0x1B, 0x05, 0x02, 0x00}},
        SettingCase{Setting::Dhcp, "ENABLE", {0x1F, 0x1B, 0x17, 0x01, 0x01}},
        SettingCase{Setting::Dhcp, "DISABLE", {0x1F, 0x1B, 0x17, 0x01, 0x00}},
        SettingCase{Setting::PrintSpeed, "0", {0x1F, 0x1B, 0x17, 0x02, 0x00}},
        SettingCase{Setting::PrintSpeed, "1", {0x1F, 0x1B, 0x17, 0x02, 0x01}},
        SettingCase{Setting::PrintSpeed, "2", {0x1F, 0x1B, 0x17, 0x02, 0x02}},
        SettingCase{Setting::PrintSpeed, "3", {0x1F, 0x1B, 0x17, 0x02, 0x03}},
        SettingCase{Setting::PrintSpeed, "4", {0x1F, 0x1B, 0x17, 0x02, 0x04}},
        SettingCase{Setting::PrintSpeed, "5", {0x1F, 0x1B, 0x17, 0x02, 0x05}},
        SettingCase{Setting::PrintSpeed, "6", {0x1F, 0x1B, 0x17, 0x02, 0x06}},
        SettingCase{Setting::UsbMultiPort, "ENABLE", {0x1F, 0x1B, 0x16, 0x09, 0x01}},
        SettingCase{Setting::UsbMultiPort, "DISABLE", {0x1F, 0x1B, 0x16, 0x09, 0x00}},
        SettingCase{Setting::UsbInterfaceType, "PRINTER", {0x1F, 0x1B, 0x16, 0x0A, 0x00}},
        SettingCase{Setting::UsbInterfaceType, "VCOM", {0x1F, 0x1B, 0x16, 0x0A, 0x01}},
        SettingCase{Setting::PrintWidth, "80mm", {0x1F, 0x1B, 0x16, 0x0B, 0x00}},
        SettingCase{Setting::PrintWidth, "58mm", {0x1F, 0x1B, 0x16, 0x0B, 0x01}}));

INSTANTIATE_TEST_SUITE_P(
    Fallback, BuildSettingTest,
    testing::Values(SettingCase{Setting::PrintMode, "chinese", {0x1B, 0x4E, 0x03, 0x00}},
                    SettingCase{Setting::Buzzer, "on", {0x1F, 0x1B, 0x11, 0x00}},
                    SettingCase{Setting::Cutter, "", {0x1F, 0x1B, 0x12, 0x00}},
                    // The density falls back to the lightest level, 01, not to 00.
                    SettingCase{Setting::PrintDensity, "Level5", {0x1B, 0x4E, 0x04, 0x01}},
                    SettingCase{Setting::CharacterSet, "UTF-8", {0x1F, 0x1B, 0x1F, 0xFA, 0x00}},
                    SettingCase{Setting::DefaultCharacterFont, "ASCII", {0x1B, 0x4E, 0x13, 0x00}},
                    SettingCase{Setting::OrderReminder, "Off", {0x1B, 0x4E, 0x21, 0x00}},
                    SettingCase{
                        Setting::CutterOrderReminder, "ON ", {0x1F, 0x1B, 0x05, 0x02, 0x00}},
                    SettingCase{Setting::Dhcp, "enable", {0x1F, 0x1B, 0x17, 0x01, 0x00}},
                    SettingCase{Setting::PrintSpeed, "7", {0x1F, 0x1B, 0x17, 0x02, 0x00}},
                    SettingCase{Setting::UsbMultiPort, "ON", {0x1F, 0x1B, 0x16, 0x09, 0x00}},
                    SettingCase{Setting::UsbInterfaceType, "HID", {0x1F, 0x1B, 0x16, 0x0A, 0x00}},
                    SettingCase{Setting::PrintWidth, "76mm", {0x1F, 0x1B, 0x16, 0x0B, 0x00}}));

TEST(BuildSettingTest, BaudRateOutsideItsListSendsNothing) {
  EXPECT_TRUE(BuildSetting(Setting::SerialBaudRate, "300").empty());
  EXPECT_TRUE(BuildSetting(Setting::SerialBaudRate, "").empty());
  EXPECT_FALSE(RowOf(Setting::SerialBaudRate).fallback.has_value());
}

struct ListCase {
  Setting setting;
  std::vector<std::string_view> entries;
  std::string_view defaultChoice;
  std::size_t defaultIndex;
};

class SettingListTest : public testing::TestWithParam<ListCase> {};

TEST_P(SettingListTest, EntriesInListOrderAndDefault) {
  const ListCase& c = GetParam();
  const SettingRow& row = RowOf(c.setting);
  EXPECT_EQ(row.setting, c.setting);
  EXPECT_EQ(row.ChoiceTexts(), c.entries);
  EXPECT_EQ(row.defaultChoice, c.defaultChoice);
  EXPECT_EQ(row.DefaultIndex(), c.defaultIndex);
}

INSTANTIATE_TEST_SUITE_P(
    EveryRow, SettingListTest,
    testing::Values(ListCase{Setting::PrintMode, {"ASCII", "Chinese"}, "Chinese", 1},
                    ListCase{Setting::Buzzer, {"ON", "OFF"}, "ON", 0},
                    ListCase{Setting::Cutter, {"ON", "OFF"}, "ON", 0},
                    ListCase{Setting::SerialBaudRate,
                             {"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"},
                             "115200",
                             7},
                    ListCase{Setting::PrintDensity,
                             {"Level1_Light", "Level2_Light", "Level3_Dark", "Level4_Dark"},
                             "Level3_Dark",
                             2},
                    ListCase{Setting::CharacterSet, {"GB18030", "BIG5", "Japanese"}, "GB18030", 0},
                    ListCase{Setting::DefaultCharacterFont,
                             {"ASCII:9X17", "ASCII:12X24", "ASCII:9X24"},
                             "ASCII:12X24",
                             1},
                    ListCase{Setting::OrderReminder, {"ON", "OFF"}, "ON", 0},
                    ListCase{Setting::CutterOrderReminder, {"ON", "OFF"}, "ON", 0},
                    ListCase{Setting::Dhcp, {"ENABLE", "DISABLE"}, "DISABLE", 1},
                    ListCase{Setting::PrintSpeed, {"0", "1", "2", "3", "4", "5", "6"}, "0", 0},
                    ListCase{Setting::UsbMultiPort, {"ENABLE", "DISABLE"}, "DISABLE", 1},
                    ListCase{Setting::UsbInterfaceType, {"PRINTER", "VCOM"}, "PRINTER", 0},
                    ListCase{Setting::PrintWidth, {"80mm", "58mm"}, "80mm", 0}));

TEST(SettingRowsTest, OneRowPerSettingInEnumerationOrder) {
  const auto rows = SettingRows();
  ASSERT_EQ(rows.size(), 14u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(static_cast<std::size_t>(rows[i].setting), i) << rows[i].name;
  }
}

TEST(SettingRowsTest, DefaultsSendTheBytesThePageOpensWith) {
  EXPECT_EQ(BuildSetting(Setting::PrintMode, RowOf(Setting::PrintMode).defaultChoice),
            (Bytes{0x1B, 0x4E, 0x03, 0x01}));
  EXPECT_EQ(BuildSetting(Setting::SerialBaudRate, RowOf(Setting::SerialBaudRate).defaultChoice),
            (Bytes{0x1B, 0x4E, 0x01, 0x05}));
}

}  // namespace
}  // namespace varnex::receipt
