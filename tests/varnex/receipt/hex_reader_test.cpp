#include "varnex/receipt/hex_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace varnex::receipt {
namespace {

struct HexCase {
  std::string name;
  std::u16string text;
  Bytes expected;
};

void PrintTo(const HexCase& c, std::ostream* os) {
  *os << c.name;
}

class HexReaderTest : public testing::TestWithParam<HexCase> {};

TEST_P(HexReaderTest, ReadsBytesUntilItStops) {
  EXPECT_EQ(ReadHexBytes(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HexReaderTest,
    testing::Values(HexCase{"spaced", u"1B 40 0A", {0x1B, 0x40, 0x0A}},
                    HexCase{"lowercase and joined", u"1b40 0a", {0x1B, 0x40, 0x0A}},
                    HexCase{"trailing single digit dropped", u"1B 4", {0x1B}},
                    HexCase{"invalid second digit stops", u"1B 4G 0A", {0x1B}},
                    HexCase{"line break stops", u"1B 40\r\n0A", {0x1B, 0x40}},
                    HexCase{"lone LF stops", u"1B 40\n0A", {0x1B, 0x40}},
                    HexCase{"tab stops", u"1B\t40", {0x1B}},
                    HexCase{"digits split by a space stop", u"1 B", {}},
                    HexCase{"leading and repeated spaces", u"  1B   40  ", {0x1B, 0x40}},
                    HexCase{"invalid first character", u"G1 40", {}},
                    HexCase{"single character", u"A", {}}, HexCase{"only spaces", u"   ", {}},
                    HexCase{"empty", u"", {}},
                    HexCase{"every digit",
                            u"0123456789abcdefABCDEF",
                            {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0xAB, 0xCD, 0xEF}},
                    HexCase{"full-width digits are not digits", u"1B \uFF11\uFF12", {0x1B}}));

TEST(HexReaderTest, NeverMoreThanHalfTheText) {
  const std::u16string text(1001, u'F');
  EXPECT_EQ(ReadHexBytes(text).size(), 500u);
}

}  // namespace
}  // namespace varnex::receipt
