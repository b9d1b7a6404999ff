#include "varnex/maintenance/self_test_texts.h"

#include <utility>

#include "platform/gbk.h"

namespace varnex::maintenance {
namespace {

constexpr SelfTestFieldRow kFields[] = {
    {SelfTestField::Header, u"自检页抬头:", 1138, 1139, 1140, u"RX-42K Thermal Printer", 30, 0xFB},
    {SelfTestField::Version, u"    自检版本:", 1141, 1142, 1143, u"58.C-R27-AA", 20, 0xFC},
    {SelfTestField::Date, u"自检页日期:", 1144, 1145, 1146, u"21-Feb-2023", 20, 0xFE},
    {SelfTestField::Speed, u"自检页速度:", 1147, 1148, 1149, u"90mm/s", 20, 0xF2},
    {SelfTestField::FontLibrary, u"自检页字库:", 1150, 1151, 1152, u"Chinese(GB18030)", 20, 0xF1},
};

constexpr bool FieldsFollowEnumeration() {
  for (std::size_t i = 0; i < std::size(kFields); ++i) {
    if (static_cast<std::size_t>(kFields[i].field) != i) {
      return false;
    }
  }
  return true;
}
static_assert(FieldsFollowEnumeration(), "kFields must list the fields in enumeration order");

}  // namespace

std::span<const SelfTestFieldRow> SelfTestFields() {
  return kFields;
}

const SelfTestFieldRow& RowOf(SelfTestField field) {
  return kFields[static_cast<std::size_t>(field)];
}

SelfTestOutcome BuildSelfTestText(SelfTestField field, std::u16string_view text) {
  const SelfTestFieldRow& row = RowOf(field);
  Bytes gbk = platform::ToGbk(text.substr(0, row.characterLimit));
  if (gbk.empty()) {
    return SelfTestOutcome{{}, kEmptyTextMessageId};
  }
  Bytes header{0x1F, 0x1B, 0x1F, row.commandCode, static_cast<std::uint8_t>(gbk.size())};
  return SelfTestOutcome{{std::move(header), std::move(gbk)}, std::nullopt};
}

}  // namespace varnex::maintenance
