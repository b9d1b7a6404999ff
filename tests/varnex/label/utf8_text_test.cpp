#include "varnex/label/utf8_text.h"

#include <gtest/gtest.h>

#include <string>

namespace varnex::label {
namespace {

struct Utf8Case {
  std::string name;
  std::string utf8;
  std::u16string expected;
};

void PrintTo(const Utf8Case& c, std::ostream* os) {
  *os << c.name;
}

class Utf8ToUtf16Test : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8ToUtf16Test, Decodes) {
  EXPECT_EQ(Utf8ToUtf16(GetParam().utf8), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8ToUtf16Test,
    testing::Values(Utf8Case{"ascii", "GAP", u"GAP"}, Utf8Case{"chinese", "缝标纸", u"缝标纸"},
                    Utf8Case{"four bytes", "\xF0\x9F\x98\x80", u"\U0001F600"},
                    Utf8Case{"stray continuation",
                             "A\x80"
                             "B",
                             u"A\uFFFDB"},
                    Utf8Case{"truncated sequence", "A\xE4\xB8", u"A\uFFFD\uFFFD"},
                    Utf8Case{"overlong", "\xC0\xAF", u"\uFFFD\uFFFD"},
                    Utf8Case{"surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
                    Utf8Case{"empty", "", u""}));

}  // namespace
}  // namespace varnex::label
