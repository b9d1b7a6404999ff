#include "varnex/wireless/baud_codes.h"

namespace varnex::wireless {

std::uint8_t LookUpBaudCode(std::span<const BaudCode> table, std::string_view comboText,
                            std::uint8_t fallback) {
  for (const BaudCode& row : table) {
    if (row.text == comboText) {
      return row.code;
    }
  }
  return fallback;
}

}  // namespace varnex::wireless
