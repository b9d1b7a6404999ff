#include "varnex/receipt/hex_reader.h"

#include <optional>

#include "varnex/common/hex_digit.h"

namespace varnex::receipt {

Bytes ReadHexBytes(std::u16string_view text) {
  Bytes bytes;
  bytes.reserve(text.size() / 2);
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == u' ') {
      ++i;
      continue;
    }
    if (i + 1 >= text.size()) {
      break;  // a lone last digit makes no byte
    }
    const auto high = common::HexDigitValue(text[i]);
    const auto low = common::HexDigitValue(text[i + 1]);
    if (!high || !low) {
      break;
    }
    bytes.push_back(static_cast<std::uint8_t>(*high << 4 | *low));
    i += 2;
  }
  return bytes;
}

}  // namespace varnex::receipt
