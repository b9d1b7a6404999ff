#include <gtest/gtest.h>

#include "varnex/texts/string_table.h"

namespace {

using platform::UiLanguage;
using varnex::texts::StringTable;

TEST(StringTable, ParsesTabSeparatedLinesWithLineBreaks) {
  const StringTable table = StringTable::Parse(
      "# comment\n\n105\tConnect\t连   接\r\n192\tA\\nB\t甲\\n乙\nbad line\nx\ty\tz\n");
  EXPECT_EQ(table.size(), 2u);
  EXPECT_EQ(table.Text(105, UiLanguage::Chinese), "连   接");
  EXPECT_EQ(table.Text(192, UiLanguage::English), "A\nB");
  EXPECT_EQ(table.Text(192, UiLanguage::Chinese), "甲\n乙");
  EXPECT_EQ(table.Text(999, UiLanguage::English), "");
}

TEST(BuiltInStrings, EveryQuotedIdInBothLanguages) {
  const StringTable& table = varnex::texts::VarnexStrings();
  EXPECT_EQ(table.size(), 145u);
  for (int id = 103; id <= 256; ++id) {
    if (table.Contains(id)) {
      EXPECT_FALSE(table.Text(id, UiLanguage::English).empty()) << id;
      EXPECT_FALSE(table.Text(id, UiLanguage::Chinese).empty()) << id;
    }
  }
  EXPECT_FALSE(table.Contains(125));  // never used by the program
  struct Case {
    int id;
    const char* english;
    const char* chinese;
  };
  const Case cases[] = {
      {103, "Windows Sockets initialization failed.", "Windows 套接字初始化失败。"},
      {105, "Connect", "连   接"},
      {106, "Disconnect", "断   开"},
      {109, "Bluetooth、Network Port Set", "打印机蓝牙、网口参数设置"},
      {111, "Set  up the buzzer", "设置蜂鸣器"},
      {129, "            Direction:", "         打印方向:"},
      {151, " IP Addr:", "打印机IP:"},
      {184, "The printer is not connected or dropped!", "打印机未连接或已掉线!"},
      {192,
       "Note: To use this function, please ensure that the upper cover of the printer nis open",
       "注意事项：使用此功能，请确保打印机上盖\n                    处于打开状态!!!"},
      {216, "Default password: 60417395, which can be obtained from the printer self check page!",
       "默认密码:60417395,可从打印机自检页获取!"},
      {251, "WiFi", "WiFi参数设置"},
      {256, "WiFi factory reset completed, please restart the printer!!!",
       "WiFi恢复出厂完成,请重启打印机!!!"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(table.Text(c.id, UiLanguage::English), c.english) << c.id;
    EXPECT_EQ(table.Text(c.id, UiLanguage::Chinese), c.chinese) << c.id;
  }
}

}  // namespace
