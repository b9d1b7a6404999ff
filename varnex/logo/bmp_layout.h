#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <variant>

#include "varnex/logo/logo_paper.h"
#include "varnex/logo/logo_raster.h"

namespace varnex::logo {

// The file header (14 bytes) and the info header (40 bytes) read as one block from offset 0.
inline constexpr std::size_t kBmpHeadersSize = 54;

// Where the blocks of an accepted BMP file lie and how its pixels are stored.
struct BmpLayout {
  int width = 0;                 // 1 .. widest for the paper
  int height = 0;                // 1 .. 2^31 - 1; rows are stored bottom row first
  int bitCount = 0;              // 1, 8 or 24
  std::size_t paletteBytes = 0;  // 8, 1024 or 0, right behind the headers
  std::size_t stride = 0;        // bytes a stored row occupies, a multiple of 4
  std::uint64_t pixelBytes = 0;  // stride x height, right behind the palette

  std::uint64_t PixelOffset() const { return kBmpHeadersSize + paletteBytes; }
  // The raster's width in bytes and height in bands of eight dots.
  int XBytes() const { return (width + 7) / 8; }
  std::int64_t YBands() const { return (std::int64_t{height} + 7) / 8; }
  // How long the file must be to hold everything the conversion reads.
  std::uint64_t FileBytes() const { return PixelOffset() + pixelBytes; }
};

// Checks the headers (the first kBmpHeadersSize bytes of `headers`; fewer is a short file) and
// the width against the paper, and works out the layout. Message 165, 166 or 167 on failure.
std::variant<BmpLayout, LogoFailure> ReadBmpLayout(std::span<const std::uint8_t> headers,
                                                   LogoPaper paper);

// Checks that the raster fits the printer's receive buffer: message 233 when yBands is not below
// floor(8187 / (8 x xBytes)) - 1, else 234 when xBytes x yBands x 8 exceeds 8187 (which cannot
// happen once the first check has passed, but the buffer limit is kept as its own check).
std::optional<LogoFailure> CheckReceiveBuffer(const BmpLayout& layout);

}  // namespace varnex::logo
