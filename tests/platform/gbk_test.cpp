#include <gtest/gtest.h>

#include "platform/gbk.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(Gbk, ConvertsTextAndMarksUnmappableCharacters) {
  struct Case {
    std::u16string text;
    Bytes expected;
  };
  const Case cases[] = {
      {u"ABC", {0x41, 0x42, 0x43}},
      {u"中", {0xD6, 0xD0}},
      {u"a中b", {0x61, 0xD6, 0xD0, 0x62}},
      {u"€", {0x80}},
      {u"\u0E01", {'?'}},                     // Thai has no code in the page
      {u"\U0001F600", {'?'}},                 // one '?' for a surrogate pair
      {std::u16string(1, u'\xD800'), {'?'}},  // a lone surrogate
      {u"", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::ToGbk(c.text), c.expected);
  }
}

TEST(Gbk, RoundTripsChinese) {
  const std::u16string text = u"打印机未连接!";
  EXPECT_EQ(platform::FromGbk(platform::ToGbk(text)), text);
}

}  // namespace
