#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace varnex::maintenance {

using Bytes = std::vector<std::uint8_t>;

// The five texts the printer prints on its self-test page.
enum class SelfTestField { Header, Version, Date, Speed, FontLibrary };

// One field of the self-test settings dialog. Texts are UTF-16, as the edits hold them; the
// dialog has the same captions in both UI languages.
struct SelfTestFieldRow {
  SelfTestField field;
  std::u16string_view label;  // caption of the label control
  int labelId;
  int editId;
  int buttonId;
  std::u16string_view defaultText;
  std::size_t characterLimit;  // the edit takes no more characters than this
  std::uint8_t commandCode;
};

// Caption of every set button.
inline constexpr std::u16string_view kSetButtonCaption = u"设     置";
// Shown instead of sending when the field is empty: string-table id 170.
inline constexpr int kEmptyTextMessageId = 170;

// The five fields in dialog order (the order of the enumeration).
std::span<const SelfTestFieldRow> SelfTestFields();
const SelfTestFieldRow& RowOf(SelfTestField field);

// What one set button sends (two sends, in order) or, when refused, the string-table id of the
// message shown instead.
struct SelfTestOutcome {
  std::vector<Bytes> sends;
  std::optional<int> refusalMessageId;

  bool IsRefused() const { return refusalMessageId.has_value(); }
};

// A set button: 1F 1B 1F <code> L, then the L bytes of the text in code page 936 (no
// terminator). An empty text is refused with kEmptyTextMessageId. Like the field's edit, the
// builder takes at most the field's character limit and drops what follows, so L never exceeds
// 60 and the length byte always counts exactly the bytes that follow it.
SelfTestOutcome BuildSelfTestText(SelfTestField field, std::u16string_view text);

}  // namespace varnex::maintenance
