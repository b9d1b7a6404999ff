#pragma once

#include <array>
#include <cstdint>

namespace varnex::logo {

// Whether a dot of this colour prints: floor((299 R + 587 G + 114 B) / 1000) < 128.
bool DotPrints(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// The dots of one stored 24-bit row (blue, green, red a pixel), eight to a byte with the
// leftmost in the most significant bit: writes ceil(width / 8) bytes, 0 bits right of the image.
void PackPrintingDots24(const std::uint8_t* row, int width, std::uint8_t* dots);

// The same for a stored 8-bit row of palette indexes; entryPrints tells which entries print.
void PackPrintingDots8(const std::uint8_t* row, int width, const std::array<bool, 256>& entryPrints,
                       std::uint8_t* dots);

}  // namespace varnex::logo
