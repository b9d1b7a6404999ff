#include <gtest/gtest.h>

#include "platform/environment.h"
#include "platform/ui_language.h"

namespace {

TEST(PortMap, ParsesPairsAndSkipsMalformedItems) {
  const platform::PortMap map =
      platform::ParsePortMap(" COM7=/dev/pts/3; ;LPT1 = /tmp/lp;broken;=/x;COM8=;COM7=/dev/pts/9");
  EXPECT_EQ(map, (platform::PortMap{{"COM7", "/dev/pts/9"}, {"LPT1", "/tmp/lp"}}));
  EXPECT_TRUE(platform::ParsePortMap("").empty());
}

TEST(UiLanguage, FirstSetLocaleVariableDecides) {
  struct Case {
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    platform::UiLanguage expected;
  };
  const Case cases[] = {
      {nullptr, nullptr, "zh_CN.UTF-8", platform::UiLanguage::Chinese},
      {nullptr, nullptr, "en_US.UTF-8", platform::UiLanguage::English},
      {"C", nullptr, "zh_CN.UTF-8", platform::UiLanguage::English},
      {"", "zh_CN.GBK", "en_GB.UTF-8", platform::UiLanguage::Chinese},
      {nullptr, nullptr, "zh_TW.UTF-8", platform::UiLanguage::English},
      {nullptr, nullptr, nullptr, platform::UiLanguage::English},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::LanguageFromLocaleValues(c.lcAll, c.lcMessages, c.lang), c.expected)
        << (c.lang ? c.lang : "(null)");
  }
}

}  // namespace
