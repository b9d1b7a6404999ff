#pragma once

// Turning rows of dots into the raster's columns, one 8 x 8 block at a time.

#include <cstddef>
#include <cstdint>

#include "varnex/logo/logo_raster.h"

// VARNEX_LOGO_NO_SIMD builds only the portable code, so it can be checked on x86-64 as well.
#if defined(__SSE2__) && !defined(VARNEX_LOGO_NO_SIMD)
#include <emmintrin.h>
#define VARNEX_LOGO_SSE2_COLUMNS 1
#endif

namespace varnex::logo {

// Fills raster.data column by column. blockAt(band, i) gives the dots of columns 8i to 8i + 7 in
// the eight rows of the band: one row a byte, the top row in the most significant byte, the
// leftmost dot in the most significant bit of each byte, rows below the image 0. Each block is
// transposed so that a byte holds one column, its top dot in the most significant bit.
template <typename BlockAt>
void WriteColumns(LogoRaster& raster, BlockAt blockAt);

#ifdef VARNEX_LOGO_SSE2_COLUMNS

// Two bands at a time: with the block of a band in the low half of a vector and the block below
// it in the high half, the sign bits of the 16 bytes are the leftmost column of both, bottom row
// in the lowest bit; doubling every byte brings up the next column.
template <typename BlockAt>
void WriteColumns(LogoRaster& raster, BlockAt blockAt) {
  const auto yBands = static_cast<std::size_t>(raster.yBands);
  for (int band = 0; band < raster.yBands; band += 2) {
    const bool pair = band + 1 < raster.yBands;
    for (int i = 0; i < raster.xBytes; ++i) {
      __m128i rows = _mm_set_epi64x(static_cast<long long>(pair ? blockAt(band + 1, i) : 0),
                                    static_cast<long long>(blockAt(band, i)));
      std::uint8_t* column = raster.data.data() + 8 * static_cast<std::size_t>(i) * yBands + band;
#pragma GCC unroll 8
      for (int k = 0; k < 8; ++k) {
        const auto bits = static_cast<unsigned>(_mm_movemask_epi8(rows));
        column[k * yBands] = static_cast<std::uint8_t>(bits);
        if (pair) {
          column[k * yBands + 1] = static_cast<std::uint8_t>(bits >> 8);
        }
        rows = _mm_add_epi8(rows, rows);
      }
    }
  }
}

#else

// Transposes a block by swapping sub-blocks of 1, 2 and 4 dots across the diagonal.
inline std::uint64_t Transpose8x8(std::uint64_t x) {
  std::uint64_t t = (x ^ (x >> 7)) & 0x00AA00AA00AA00AAULL;
  x ^= t ^ (t << 7);
  t = (x ^ (x >> 14)) & 0x0000CCCC0000CCCCULL;
  x ^= t ^ (t << 14);
  t = (x ^ (x >> 28)) & 0x00000000F0F0F0F0ULL;
  x ^= t ^ (t << 28);
  return x;
}

template <typename BlockAt>
void WriteColumns(LogoRaster& raster, BlockAt blockAt) {
  const auto yBands = static_cast<std::size_t>(raster.yBands);
  for (int band = 0; band < raster.yBands; ++band) {
    for (int i = 0; i < raster.xBytes; ++i) {
      const std::uint64_t columns = Transpose8x8(blockAt(band, i));
      std::uint8_t* column = raster.data.data() + 8 * static_cast<std::size_t>(i) * yBands + band;
#pragma GCC unroll 8
      for (int k = 0; k < 8; ++k) {
        column[k * yBands] = static_cast<std::uint8_t>(columns >> (56 - 8 * k));
      }
    }
  }
}

#endif

}  // namespace varnex::logo
