#include "varnex/label/model_text.h"

#include <gtest/gtest.h>

#include <string>

namespace varnex::label {
namespace {

TEST(ModelTextTest, DefaultIsSentAsHeaderThenText) {
  const Outcome outcome = BuildModelText(kDefaultModelText);
  ASSERT_FALSE(outcome.IsRefused());
  ASSERT_EQ(outcome.sends.size(), 2u);
  EXPECT_EQ(outcome.sends[0], (Bytes{0x1F, 0x1B, 0x16, 0x0C, 0x09}));
  EXPECT_EQ(outcome.sends[1], (Bytes{'P', 'K', 'M', '4', 'x', '1', '0', 'T', 'B'}));
}

struct LimitCase {
  std::string name;
  std::u16string text;
  std::size_t expectedLength;  // 0: refused as too long
};

void PrintTo(const LimitCase& c, std::ostream* os) {
  *os << c.name;
}

class ModelTextLimitTest : public testing::TestWithParam<LimitCase> {};

TEST_P(ModelTextLimitTest, AtMostThirtyTwoGbkBytes) {
  const LimitCase& c = GetParam();
  const Outcome outcome = BuildModelText(c.text);
  if (c.expectedLength == 0) {
    EXPECT_TRUE(outcome.IsRefused());
    EXPECT_EQ(outcome.refusal, "输入长度太长...");
    EXPECT_TRUE(outcome.sends.empty());
    return;
  }
  ASSERT_FALSE(outcome.IsRefused());
  ASSERT_EQ(outcome.sends.size(), 2u);
  EXPECT_EQ(outcome.sends[0],
            (Bytes{0x1F, 0x1B, 0x16, 0x0C, static_cast<std::uint8_t>(c.expectedLength)}));
  EXPECT_EQ(outcome.sends[1].size(), c.expectedLength);
}

INSTANTIATE_TEST_SUITE_P(Cases, ModelTextLimitTest,
                         testing::Values(LimitCase{"32 ascii", std::u16string(32, u'A'), 0x20},
                                         LimitCase{"33 ascii", std::u16string(33, u'A'), 0},
                                         LimitCase{"16 chinese", std::u16string(16, u'中'), 32},
                                         LimitCase{"17 chinese", std::u16string(17, u'中'), 0},
                                         LimitCase{"31 ascii and 1 chinese",
                                                   std::u16string(31, u'A') + u"中", 0},
                                         LimitCase{"one character", u"X", 1}));

TEST(ModelTextTest, ChineseTextGoesOutInGbk) {
  const Outcome outcome = BuildModelText(u"中");
  ASSERT_EQ(outcome.sends.size(), 2u);
  EXPECT_EQ(outcome.sends[0], (Bytes{0x1F, 0x1B, 0x16, 0x0C, 0x02}));
  EXPECT_EQ(outcome.sends[1], (Bytes{0xD6, 0xD0}));
}

TEST(ModelTextTest, EmptyTextIsRefused) {
  const Outcome outcome = BuildModelText(u"");
  EXPECT_TRUE(outcome.IsRefused());
  EXPECT_EQ(outcome.refusal, "请输入要设置的型号");
  EXPECT_TRUE(outcome.sends.empty());
}

}  // namespace
}  // namespace varnex::label
