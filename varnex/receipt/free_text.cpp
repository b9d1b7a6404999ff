#include "varnex/receipt/free_text.h"

#include <string>

#include "platform/gbk.h"
#include "varnex/receipt/hex_reader.h"

namespace varnex::receipt {
namespace {

bool IsLineBreak(char16_t c) {
  return c == u'\n' || c == u'\r' || c == u'\u2028' || c == u'\u2029';
}

// The text with every line break written as CR LF.
std::u16string WithCrLfLineBreaks(std::u16string_view text) {
  std::u16string result;
  result.reserve(text.size() + text.size() / 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (!IsLineBreak(c)) {
      result.push_back(c);
      continue;
    }
    result += u"\r\n";
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
      ++i;  // CR LF is one line break
    }
  }
  return result;
}

}  // namespace

Bytes BuildTextModeBytes(std::u16string_view text) {
  return platform::ToGbk(WithCrLfLineBreaks(text));
}

Outcome BuildPrintBox(std::u16string_view text, bool hexMode) {
  if (text.empty()) {
    return Outcome::Refuse(kEmptyPrintBoxMessage);
  }
  return Outcome::Send(hexMode ? ReadHexBytes(text) : BuildTextModeBytes(text));
}

}  // namespace varnex::receipt
