#include "varnex/receipt/hex_reader.h"

#include <optional>

namespace varnex::receipt {
namespace {

std::optional<std::uint8_t> DigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') {
    return static_cast<std::uint8_t>(c - u'0');
  }
  if (c >= u'A' && c <= u'F') {
    return static_cast<std::uint8_t>(c - u'A' + 10);
  }
  if (c >= u'a' && c <= u'f') {
    return static_cast<std::uint8_t>(c - u'a' + 10);
  }
  return std::nullopt;
}

}  // namespace

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
    const auto high = DigitValue(text[i]);
    const auto low = DigitValue(text[i + 1]);
    if (!high || !low) {
      break;
    }
    bytes.push_back(static_cast<std::uint8_t>(*high << 4 | *low));
    i += 2;
  }
  return bytes;
}

}  // namespace varnex::receipt
