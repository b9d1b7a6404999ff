#pragma once

#include <string_view>

#include "varnex/receipt/outcome.h"

namespace varnex::receipt {

// Shown instead of printing when the print box is empty (the same text in both UI languages).
inline constexpr std::string_view kEmptyPrintBoxMessage = "Enter as empty!";

// Text mode of the print box: the text in code page 936 (GBK), without a terminator. Every line
// break goes out as CR LF (0D 0A), however the edit control stores it: a CR LF pair, a lone LF, a
// lone CR, and the Unicode line and paragraph separators (U+2028, U+2029) each become one 0D 0A.
// (An LF followed by a CR is two line breaks.) A character without a GBK code becomes '?'.
Bytes BuildTextModeBytes(std::u16string_view text);

// The print button: an empty text is refused with kEmptyPrintBoxMessage; otherwise one send,
// made by the hexadecimal reader (hexMode) or by text mode. In hex mode the send can be empty
// when the text starts with something that is not a hex byte.
Outcome BuildPrintBox(std::u16string_view text, bool hexMode);

}  // namespace varnex::receipt
