#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace varnex::controls {

// What an IPv4 address control holds: four fields in display order, each blank or 0 to 255.
struct Ipv4Fields {
  std::array<std::optional<int>, 4> fields{};

  static Ipv4Fields FromBytes(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d);

  int FilledCount() const;
  bool IsBlank() const { return FilledCount() == 0; }
  bool IsComplete() const { return FilledCount() == 4; }
  // The four bytes in display order; a blank field counts as 0.
  std::array<std::uint8_t, 4> Bytes() const;
  // One 32-bit value with the first field in the most significant byte; 0 when blank.
  std::uint32_t Packed() const;
};

}  // namespace varnex::controls
