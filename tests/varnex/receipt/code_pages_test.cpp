#include "varnex/receipt/code_pages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace varnex::receipt {
namespace {

struct NumberCase {
  std::size_t index;
  std::string name;
  std::uint8_t number;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
  *os << c.index << " " << c.name;
}

class CodePageNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(CodePageNumberTest, IndexNameAndNumberAgree) {
  const NumberCase& c = GetParam();
  EXPECT_EQ(CodePageNames()[c.index], c.name);
  EXPECT_EQ(CodePageNumber(c.index), c.number);
  EXPECT_EQ(CodePageNumberForName(c.name), c.number);
  EXPECT_EQ(BuildDefaultCodePage(c.name), (Bytes{0x1F, 0x1B, 0x1F, 0xFF, c.number, 0x0A}));
}

// The first and last index of every numbering group.
INSTANTIATE_TEST_SUITE_P(
    GroupEdges, CodePageNumberTest,
    testing::Values(NumberCase{0, "OEM437(Std.Europe)(1)", 0x00}, NumberCase{10, "(Iran)", 0x0A},
                    NumberCase{11, "WPC1252", 0x10}, NumberCase{20, "WPC1257", 0x19},
                    NumberCase{21, "(Vietnam)", 0x1B}, NumberCase{26, "WPC1255(Israel)", 0x20},
                    NumberCase{27, "OEM437(Std.Europe)(2)", 0x32},
                    NumberCase{48, "WPC1252(Latin-1)", 0x47},
                    NumberCase{66, "PC3041(Maltese)", 0x59}, NumberCase{67, "(Thai)", 0xFF},
                    NumberCase{68, "WPC1253(Greek)", 0x5A}, NumberCase{73, "OEM775(Latvian)", 0x5F},
                    NumberCase{74, "(Thai2)", 0xFF}));

TEST(CodePagesTest, ListHasSeventyFiveDistinctNames) {
  const auto names = CodePageNames();
  EXPECT_EQ(names.size(), 75u);
  const std::set<std::string_view> distinct(names.begin(), names.end());
  EXPECT_EQ(distinct.size(), 75u);
  EXPECT_EQ(names[kDefaultCodePageIndex], "OEM437(Std.Europe)(1)");
}

TEST(CodePagesTest, NumbersAreDistinctExceptTheTwoThaiEntries) {
  std::set<std::uint8_t> numbers;
  for (std::size_t i = 0; i < kCodePageCount; ++i) {
    if (i != 67 && i != 74) {
      EXPECT_TRUE(numbers.insert(CodePageNumber(i)).second) << "index " << i;
    }
  }
  EXPECT_EQ(numbers.count(0xFF), 0u);
}

TEST(CodePagesTest, UnknownNameOrIndexGivesZero) {
  EXPECT_EQ(CodePageNumberForName("wpc1252"), 0x00);
  EXPECT_EQ(CodePageNumberForName(""), 0x00);
  EXPECT_EQ(CodePageNumber(kCodePageCount), 0x00);
  EXPECT_EQ(BuildDefaultCodePage("UTF-8"), (Bytes{0x1F, 0x1B, 0x1F, 0xFF, 0x00, 0x0A}));
}

}  // namespace
}  // namespace varnex::receipt
