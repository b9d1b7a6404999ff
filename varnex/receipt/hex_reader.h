#pragma once

#include <string_view>

#include "varnex/receipt/outcome.h"

namespace varnex::receipt {

// Reads the print box's text as hexadecimal bytes, two adjacent digits a byte (0-9, A-F, a-f).
// Spaces between bytes are skipped. The reading stops, keeping the bytes read so far, at:
// a character that is not a hex digit (tabs and line breaks included), a byte whose second digit
// is missing because the text ends (a single trailing digit is dropped). So "1B 40 0A" and
// "1b40 0a" give 1B 40 0A; "1B 4" and "1B 4G 0A" give 1B; "1B 40<line break>0A" gives 1B 40.
// The result never holds more than half as many bytes as the text has characters.
Bytes ReadHexBytes(std::u16string_view text);

}  // namespace varnex::receipt
