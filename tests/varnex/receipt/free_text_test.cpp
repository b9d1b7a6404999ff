#include "varnex/receipt/free_text.h"

#include <gtest/gtest.h>

#include <string>

namespace varnex::receipt {
namespace {

struct TextCase {
  std::string name;
  std::u16string text;
  Bytes expected;
};

void PrintTo(const TextCase& c, std::ostream* os) {
  *os << c.name;
}

class TextModeTest : public testing::TestWithParam<TextCase> {};

TEST_P(TextModeTest, SendsGbkWithCrLf) {
  EXPECT_EQ(BuildTextModeBytes(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextModeTest,
    testing::Values(TextCase{"ascii", u"ABC", {0x41, 0x42, 0x43}},
                    TextCase{"chinese", u"中", {0xD6, 0xD0}},
                    TextCase{"mixed", u"A中B", {0x41, 0xD6, 0xD0, 0x42}},
                    TextCase{"hex digits as text", u"1B 40", {0x31, 0x42, 0x20, 0x34, 0x30}},
                    TextCase{"lone LF", u"A\nB", {0x41, 0x0D, 0x0A, 0x42}},
                    TextCase{"lone CR", u"A\rB", {0x41, 0x0D, 0x0A, 0x42}},
                    TextCase{"CR LF", u"A\r\nB", {0x41, 0x0D, 0x0A, 0x42}},
                    TextCase{
                        "LF CR is two breaks", u"A\n\rB", {0x41, 0x0D, 0x0A, 0x0D, 0x0A, 0x42}},
                    TextCase{"empty lines", u"\n\n", {0x0D, 0x0A, 0x0D, 0x0A}},
                    TextCase{"paragraph separator", u"中\u2029A", {0xD6, 0xD0, 0x0D, 0x0A, 0x41}},
                    TextCase{"line separator", u"A\u2028B", {0x41, 0x0D, 0x0A, 0x42}},
                    TextCase{"trailing CR", u"A\r", {0x41, 0x0D, 0x0A}},
                    TextCase{"no GBK code", u"\U0001F600", {0x3F}}));

TEST(PrintBoxTest, EmptyTextIsRefusedInBothModes) {
  for (const bool hex : {false, true}) {
    const Outcome outcome = BuildPrintBox(u"", hex);
    EXPECT_TRUE(outcome.IsRefused());
    EXPECT_EQ(outcome.refusal, "Enter as empty!");
    EXPECT_TRUE(outcome.sends.empty());
  }
}

TEST(PrintBoxTest, ModeDecidesTheBytes) {
  const Outcome hex = BuildPrintBox(u"1B 40", true);
  ASSERT_FALSE(hex.IsRefused());
  EXPECT_EQ(hex.sends, (std::vector<Bytes>{{0x1B, 0x40}}));

  const Outcome text = BuildPrintBox(u"1B 40", false);
  ASSERT_FALSE(text.IsRefused());
  EXPECT_EQ(text.sends, (std::vector<Bytes>{{0x31, 0x42, 0x20, 0x34, 0x30}}));
}

TEST(PrintBoxTest, HexTextWithoutAByteGivesOneEmptySend) {
  const Outcome outcome = BuildPrintBox(u"G", true);
  EXPECT_FALSE(outcome.IsRefused());
  EXPECT_EQ(outcome.sends, (std::vector<Bytes>{Bytes{}}));
}

}  // namespace
}  // namespace varnex::receipt
