#pragma once

#include <cstdint>
#include <optional>

namespace varnex::common {

// The value of one hexadecimal digit ("0"-"9", "A"-"F", "a"-"f"); nothing for any other
// character. Works on char and char16_t alike.
template <typename Char>
constexpr std::optional<std::uint8_t> HexDigitValue(Char c) {
  if (c >= Char('0') && c <= Char('9')) {
    return static_cast<std::uint8_t>(c - Char('0'));
  }
  if (c >= Char('A') && c <= Char('F')) {
    return static_cast<std::uint8_t>(c - Char('A') + 10);
  }
  if (c >= Char('a') && c <= Char('f')) {
    return static_cast<std::uint8_t>(c - Char('a') + 10);
  }
  return std::nullopt;
}

}  // namespace varnex::common
