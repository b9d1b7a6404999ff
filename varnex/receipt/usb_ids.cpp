#include "varnex/receipt/usb_ids.h"

#include <optional>

#include "varnex/common/hex_digit.h"

namespace varnex::receipt {
namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Reads one number at `pos`: white space, an optional 0x prefix, then hex digits. The prefix
// counts only when a digit follows it, so "0x" alone reads as the number 0. Returns nothing and
// leaves `pos` where it was when no digit is there. Keeps the low 32 bits of the value.
std::optional<std::uint32_t> ReadHexNumber(std::string_view text, std::size_t& pos) {
  std::size_t i = pos;
  while (i < text.size() && IsSpace(text[i])) {
    ++i;
  }
  if (i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
      common::HexDigitValue(text[i + 2])) {
    i += 2;
  }
  if (i >= text.size() || !common::HexDigitValue(text[i])) {
    return std::nullopt;
  }
  std::uint32_t value = 0;
  while (i < text.size()) {
    const auto digit = common::HexDigitValue(text[i]);
    if (!digit) {
      break;
    }
    value = (value << 4) | *digit;
    ++i;
  }
  pos = i;
  return value;
}

Bytes BuildIdCommand(std::uint8_t selector, std::string_view text) {
  const auto [low, high] = UsbIdValueBytes(text);
  return Bytes{0x1F, 0x1B, 0x16, selector, low, high};
}

}  // namespace

std::array<std::uint8_t, 2> UsbIdValueBytes(std::string_view text) {
  std::size_t pos = 0;
  const auto first = ReadHexNumber(text, pos);
  if (!first) {
    return {0x00, 0x00};
  }
  // The second number must start after white space; a number ends at its first non-hex character,
  // so anything else directly after it ends the reading.
  std::optional<std::uint32_t> second;
  if (pos < text.size() && IsSpace(text[pos])) {
    second = ReadHexNumber(text, pos);
  }
  if (!second) {
    return {static_cast<std::uint8_t>(*first & 0xFF),
            static_cast<std::uint8_t>((*first >> 8) & 0xFF)};
  }
  return {static_cast<std::uint8_t>(*first & 0xFF), static_cast<std::uint8_t>(*second & 0xFF)};
}

Bytes BuildUsbProductId(std::string_view text) {
  return BuildIdCommand(0x01, text);
}

Bytes BuildUsbVendorId(std::string_view text) {
  return BuildIdCommand(0x02, text);
}

}  // namespace varnex::receipt
