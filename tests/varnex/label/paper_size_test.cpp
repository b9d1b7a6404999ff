#include "varnex/label/paper_size.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/varnex/label/label_test_support.h"

namespace varnex::label {
namespace {

struct SizeCase {
  std::string name;
  std::u16string width;
  std::u16string height;
  Unit unit;
  std::string expected;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
  *os << c.name;
}

class PaperSizeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(PaperSizeTest, SendsWidthThenHeightInMillimetres) {
  const SizeCase& c = GetParam();
  const Outcome outcome = BuildPaperSize(c.width, c.height, c.unit);
  ASSERT_FALSE(outcome.IsRefused());
  EXPECT_EQ(outcome.sends, std::vector<Bytes>{Ascii(c.expected)});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PaperSizeTest,
    testing::Values(
        SizeCase{"defaults", u"100", u"150", Unit::Millimetres, "SIZE 100 mm,150 mm \r\n"},
        SizeCase{"inches", u"3.94", u"5.91", Unit::Inches, "SIZE 100 mm,150 mm \r\n"},
        SizeCase{"whole inches", u"4", u"6", Unit::Inches, "SIZE 101 mm,152 mm \r\n"},
        SizeCase{"fraction dropped", u"100.9", u"150", Unit::Millimetres,
                 "SIZE 100 mm,150 mm \r\n"},
        SizeCase{"not a number", u"abc", u"60", Unit::Millimetres, "SIZE 0 mm,60 mm \r\n"},
        SizeCase{"inches not a number", u"x", u"1.57", Unit::Inches, "SIZE 0 mm,39 mm \r\n"}));

TEST(PaperSizeTest, EmptyHeightOrWidthIsRefused) {
  for (const auto& [width, height] :
       {std::pair<std::u16string, std::u16string>{u"", u"150"}, {u"100", u""}, {u"", u""}}) {
    for (const Unit unit : {Unit::Millimetres, Unit::Inches}) {
      const Outcome outcome = BuildPaperSize(width, height, unit);
      EXPECT_TRUE(outcome.IsRefused());
      EXPECT_EQ(outcome.refusal, "Enter as empty!!");
      EXPECT_TRUE(outcome.sends.empty());
    }
  }
}

}  // namespace
}  // namespace varnex::label
