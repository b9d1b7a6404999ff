#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace varnex::wireless {

// One row of a module's baud table: the text shown in the baud combo and the code byte sent.
struct BaudCode {
  std::string_view text;
  std::uint8_t code;
};

// The code of the row whose text equals `comboText` exactly, or `fallback` when no row does.
std::uint8_t LookUpBaudCode(std::span<const BaudCode> table, std::string_view comboText,
                            std::uint8_t fallback);

}  // namespace varnex::wireless
