#include "varnex/label/text_numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <string>

namespace varnex::label {
namespace {

struct WholeCase {
  std::u16string text;
  int expected;
};

class WholeNumberTest : public testing::TestWithParam<WholeCase> {};

TEST_P(WholeNumberTest, ReadsLeadingDigits) {
  EXPECT_EQ(ParseWholeNumber(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, WholeNumberTest,
                         testing::Values(WholeCase{u"100", 100}, WholeCase{u"100.7", 100},
                                         WholeCase{u"100.9", 100}, WholeCase{u"abc", 0},
                                         WholeCase{u"", 0}, WholeCase{u"  42mm", 42},
                                         WholeCase{u"-5", -5}, WholeCase{u"+7", 7},
                                         WholeCase{u"- 5", 0}, WholeCase{u"12中3", 12},
                                         WholeCase{u"99999999999", INT_MAX},
                                         WholeCase{u"-99999999999", INT_MIN}));

struct DecimalCase {
  std::u16string text;
  double expected;
};

class DecimalNumberTest : public testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalNumberTest, ReadsLeadingNumber) {
  EXPECT_DOUBLE_EQ(ParseDecimalNumber(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DecimalNumberTest,
                         testing::Values(DecimalCase{u"3.94", 3.94}, DecimalCase{u" 4", 4.0},
                                         DecimalCase{u".5in", 0.5}, DecimalCase{u"1e1", 10.0},
                                         DecimalCase{u"-2.5", -2.5}, DecimalCase{u"abc", 0.0},
                                         DecimalCase{u"", 0.0}, DecimalCase{u"3,94", 3.0}));

TEST(DecimalNumberTest, DecimalPointDoesNotDependOnTheLocale) {
  const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr &&
      std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") == nullptr) {
    GTEST_SKIP() << "no locale with a decimal comma installed";
  }
  const double value = ParseDecimalNumber(u"3.94");
  std::setlocale(LC_NUMERIC, previous.c_str());
  EXPECT_DOUBLE_EQ(value, 3.94);
}

}  // namespace
}  // namespace varnex::label
