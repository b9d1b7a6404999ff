#include "varnex/label/unit_conversion.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace varnex::label {
namespace {

struct InchCase {
  std::u16string inchText;
  int millimetres;
};

class InchToMillimetreTest : public testing::TestWithParam<InchCase> {};

TEST_P(InchToMillimetreTest, TruncatesThroughSinglePrecision) {
  const InchCase& c = GetParam();
  EXPECT_EQ(SizeInMillimetres(c.inchText, Unit::Inches), c.millimetres);
  const std::string digits = std::to_string(c.millimetres);
  EXPECT_EQ(InchTextToMillimetreText(c.inchText), std::u16string(digits.begin(), digits.end()));
}

INSTANTIATE_TEST_SUITE_P(Cases, InchToMillimetreTest,
                         testing::Values(InchCase{u"4", 101},     // 400 * 25.4f rounds up to 10160
                                         InchCase{u"6", 152},     //
                                         InchCase{u"1.57", 39},   // truncation, not rounding
                                         InchCase{u"3.94", 100},  //
                                         InchCase{u"5.91", 150},  //
                                         InchCase{u"1", 25},      //
                                         InchCase{u"0", 0},       //
                                         InchCase{u"abc", 0},     //
                                         InchCase{u"-1", -25},    // truncation toward zero
                                         InchCase{u"1e30", INT_MAX / 100}, InchCase{u"nan", 0}));

struct MillimetreCase {
  std::u16string millimetreText;
  std::u16string inchText;
};

class MillimetreToInchTest : public testing::TestWithParam<MillimetreCase> {};

TEST_P(MillimetreToInchTest, TwoDecimals) {
  EXPECT_EQ(MillimetreTextToInchText(GetParam().millimetreText), GetParam().inchText);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MillimetreToInchTest,
    testing::Values(MillimetreCase{u"40", u"1.57"}, MillimetreCase{u"100", u"3.94"},
                    MillimetreCase{u"150", u"5.91"}, MillimetreCase{u"100.9", u"3.94"},
                    MillimetreCase{u"0", u"0.00"}, MillimetreCase{u"abc", u"0.00"},
                    MillimetreCase{u"254", u"10.00"}));

TEST(ConvertPaperSizeTextsTest, RoundTripOfTheDefaults) {
  const PaperSizeTexts millimetres{u"100", u"150"};
  const PaperSizeTexts inches = ConvertPaperSizeTexts(millimetres, Unit::Millimetres, Unit::Inches);
  EXPECT_EQ(inches, (PaperSizeTexts{u"3.94", u"5.91"}));
  EXPECT_EQ(ConvertPaperSizeTexts(inches, Unit::Inches, Unit::Millimetres), millimetres);
}

TEST(ConvertPaperSizeTextsTest, FortyMillimetresComeBackAsThirtyNine) {
  const PaperSizeTexts inches =
      ConvertPaperSizeTexts({u"40", u"40"}, Unit::Millimetres, Unit::Inches);
  EXPECT_EQ(inches, (PaperSizeTexts{u"1.57", u"1.57"}));
  EXPECT_EQ(ConvertPaperSizeTexts(inches, Unit::Inches, Unit::Millimetres),
            (PaperSizeTexts{u"39", u"39"}));
}

TEST(ConvertPaperSizeTextsTest, SameUnitChangesNothing) {
  const PaperSizeTexts texts{u"100.9", u"x"};
  EXPECT_EQ(ConvertPaperSizeTexts(texts, Unit::Millimetres, Unit::Millimetres), texts);
  EXPECT_EQ(ConvertPaperSizeTexts(texts, Unit::Inches, Unit::Inches), texts);
}

TEST(ConvertPaperSizeTextsTest, EmptyTextsStayEmpty) {
  EXPECT_EQ(ConvertPaperSizeTexts({u"", u"150"}, Unit::Millimetres, Unit::Inches),
            (PaperSizeTexts{u"", u"5.91"}));
  EXPECT_EQ(ConvertPaperSizeTexts({u"4", u""}, Unit::Inches, Unit::Millimetres),
            (PaperSizeTexts{u"101", u""}));
}

}  // namespace
}  // namespace varnex::label
