#include "varnex/receipt/code_pages.h"

#include <array>
#include <optional>

namespace varnex::receipt {
namespace {

constexpr std::array<std::string_view, kCodePageCount> kNames = {
    // 0 to 10
    "OEM437(Std.Europe)(1)",
    "(Katakana)(1)",
    "OEM850(Multilingual)",
    "OEM860(Portuguese)(1)",
    "OEM863(Canadian)(1)",
    "OEM865(Nordic)(1)",
    "(West Europe)",
    "(Greek)",
    "(Hebrew)(1)",
    "(East Europe)",
    "(Iran)",
    // 11 to 20
    "WPC1252",
    "OEM866(Cyrillic#2)",
    "OEM852(Latin2)",
    "OEM858",
    "(IranII)",
    "(Latvian)",
    "ISO-8859-6(Arabic)",
    "(PT151,1251)",
    "OEM747",
    "WPC1257",
    // 21 to 26
    "(Vietnam)",
    "OEM864",
    "PC1001",
    "(Uigur)",
    "(Hebrew)(2)",
    "WPC1255(Israel)",
    // 27 to 66
    "OEM437(Std.Europe)(2)",
    "(Katakana)(2)",
    "OEM437(Std.Europe)(3)",
    "OEM858(Multilingual)",
    "OEM852(Latin-2)",
    "OEM860(Portuguese)(2)",
    "OEM861(Icelandic)",
    "OEM863(Canadian)(2)",
    "OEM865(Nordic)(2)",
    "OEM866(Russian)",
    "OEM855(Bulgarian)",
    "OEM857(Turkey)",
    "OEM862(Hebrew)",
    "OEM864(Arabic)",
    "OEM737(Greek)",
    "OEM851(Greek)",
    "OEM869(Greek)",
    "OEM928(Greek)",
    "OEM772(Lithuanian)",
    "OEM774(Lithuanian)",
    "OEM874(Thai)",
    "WPC1252(Latin-1)",
    "WPC1250(Latin-2)",
    "WPC1251(Cyrillic)",
    "PC3840(Russian)",
    "PC3841(Gost)",
    "PC3843(Polish)",
    "PC3844(CS2)",
    "PC3845(Hungarian)",
    "PC3846(Turkish)",
    "PC3847(Brazil-ABNT)",
    "PC3848(Brazil-ABICOMP)",
    "PC1001(Arabic)",
    "PC2001(Lithuanian-KBL)",
    "PC3001(Estonian-1)",
    "PC3002(Estonian-2)",
    "PC3011(Latvian-1)",
    "PC3012(Latvian-2)",
    "PC3021(Bulgarian)",
    "PC3041(Maltese)",
    // 67
    "(Thai)",
    // 68 to 73
    "WPC1253(Greek)",
    "WPC1254(Turkish)",
    "WPC1256(Arabic)",
    "OEM720(Arabic)",
    "WPC1258(Vietnam)",
    "OEM775(Latvian)",
    // 74
    "(Thai2)",
};

constexpr bool EveryNameGiven() {
  for (std::string_view name : kNames) {
    if (name.empty()) {
      return false;
    }
  }
  return true;
}
static_assert(EveryNameGiven(), "the code-page list must hold exactly kCodePageCount names");

// A run of list indexes and how their numbers follow: number = index + offset, or a fixed number.
struct NumberGroup {
  std::size_t first;
  std::size_t last;
  int offset;
  std::optional<std::uint8_t> fixed;
};

constexpr NumberGroup kGroups[] = {
    {0, 10, 0, std::nullopt},    // 00 to 0A
    {11, 20, 5, std::nullopt},   // 16 to 25
    {21, 26, 6, std::nullopt},   // 27 to 32
    {27, 66, 23, std::nullopt},  // 50 to 89
    {67, 67, 0, 0xFF},           // (Thai)
    {68, 73, 22, std::nullopt},  // 90 to 95
    {74, 74, 0, 0xFF},           // (Thai2)
};

constexpr std::uint8_t kDefaultCodePagePrefix[] = {0x1F, 0x1B, 0x1F, 0xFF};
constexpr std::uint8_t kDefaultCodePageSuffix = 0x0A;

}  // namespace

std::span<const std::string_view, kCodePageCount> CodePageNames() {
  return kNames;
}

std::uint8_t CodePageNumber(std::size_t index) {
  for (const NumberGroup& group : kGroups) {
    if (index >= group.first && index <= group.last) {
      return group.fixed ? *group.fixed
                         : static_cast<std::uint8_t>(static_cast<int>(index) + group.offset);
    }
  }
  return 0x00;
}

std::uint8_t CodePageNumberForName(std::string_view shownName) {
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (kNames[i] == shownName) {
      return CodePageNumber(i);
    }
  }
  return 0x00;
}

Bytes BuildDefaultCodePage(std::string_view shownName) {
  Bytes bytes(std::begin(kDefaultCodePagePrefix), std::end(kDefaultCodePagePrefix));
  bytes.push_back(CodePageNumberForName(shownName));
  bytes.push_back(kDefaultCodePageSuffix);
  return bytes;
}

}  // namespace varnex::receipt
