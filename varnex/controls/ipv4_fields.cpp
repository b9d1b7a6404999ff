#include "varnex/controls/ipv4_fields.h"

namespace varnex::controls {

Ipv4Fields Ipv4Fields::FromBytes(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
  Ipv4Fields result;
  result.fields = {a, b, c, d};
  return result;
}

int Ipv4Fields::FilledCount() const {
  int count = 0;
  for (const auto& field : fields) {
    count += field.has_value() ? 1 : 0;
  }
  return count;
}

std::array<std::uint8_t, 4> Ipv4Fields::Bytes() const {
  std::array<std::uint8_t, 4> bytes{};
  for (std::size_t i = 0; i < fields.size(); ++i) {
    bytes[i] = static_cast<std::uint8_t>(fields[i].value_or(0));
  }
  return bytes;
}

std::uint32_t Ipv4Fields::Packed() const {
  const auto bytes = Bytes();
  return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
         (std::uint32_t{bytes[2]} << 8) | bytes[3];
}

}  // namespace varnex::controls
