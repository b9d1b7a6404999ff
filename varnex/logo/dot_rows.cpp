#include "varnex/logo/dot_rows.h"

#include <algorithm>

// VARNEX_LOGO_NO_SIMD builds only the portable code, so it can be checked on x86-64 as well.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && \
    !defined(VARNEX_LOGO_NO_SIMD)
#include <immintrin.h>
#define VARNEX_LOGO_AVX2_ROWS 1
#endif

namespace varnex::logo {

namespace {

// Packs the dots from column `from` (a multiple of 8) to the end of the row.
template <typename Prints>
void PackFrom(int from, int width, std::uint8_t* dots, Prints prints) {
  for (int base = from; base < width; base += 8) {
    const int count = std::min(8, width - base);
    std::uint8_t byte = 0;
    for (int bit = 0; bit < count; ++bit) {
      byte |= static_cast<std::uint8_t>(prints(base + bit) ? 0x80 >> bit : 0);
    }
    dots[base / 8] = byte;
  }
}

#ifdef VARNEX_LOGO_AVX2_ROWS

// A large 24-bit logo spends most of its conversion here, so on processors with AVX2 the row is
// taken 32 pixels at a time. The test is done in 16-bit lanes: with
// s = 299 R + 587 G + 114 B = 8 x (37 R + 73 G + 14 B) + (3 R + 3 G + 2 B), and 128000 a
// multiple of 8, s < 128000 exactly when (37 R + 73 G + 14 B) + ((3 R + 3 G + 2 B) >> 3) < 16000,
// and neither sum reaches 32768.

// Eight pixels a 128-bit lane, whose 24 bytes are all of `lo` and the low half of `hi`: gathers
// them into (blue, green) and (red, 0) byte pairs, weighs the pairs and gives 0xFFFF for each
// pixel that prints.
__attribute__((target("avx2"))) __m256i EightPixelsPrint(__m256i lo, __m256i hi) {
  // Where each byte of a lane comes from (-1: zero), the same in both lanes.
  const __m256i bgFromLo = _mm256_broadcastsi128_si256(
      _mm_setr_epi8(0, 1, 3, 4, 6, 7, 9, 10, 12, 13, 15, -1, -1, -1, -1, -1));
  const __m256i bgFromHi = _mm256_broadcastsi128_si256(
      _mm_setr_epi8(-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 0, 2, 3, 5, 6));
  const __m256i redFromLo = _mm256_broadcastsi128_si256(
      _mm_setr_epi8(2, -1, 5, -1, 8, -1, 11, -1, 14, -1, -1, -1, -1, -1, -1, -1));
  const __m256i redFromHi = _mm256_broadcastsi128_si256(
      _mm_setr_epi8(-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 1, -1, 4, -1, 7, -1));
  const __m256i blueGreen =
      _mm256_or_si256(_mm256_shuffle_epi8(lo, bgFromLo), _mm256_shuffle_epi8(hi, bgFromHi));
  const __m256i red =
      _mm256_or_si256(_mm256_shuffle_epi8(lo, redFromLo), _mm256_shuffle_epi8(hi, redFromHi));
  const __m256i whole =
      _mm256_add_epi16(_mm256_maddubs_epi16(blueGreen, _mm256_set1_epi16(73 << 8 | 14)),
                       _mm256_maddubs_epi16(red, _mm256_set1_epi16(37)));
  const __m256i eighths =
      _mm256_add_epi16(_mm256_maddubs_epi16(blueGreen, _mm256_set1_epi16(3 << 8 | 2)),
                       _mm256_maddubs_epi16(red, _mm256_set1_epi16(3)));
  const __m256i scaled = _mm256_add_epi16(whole, _mm256_srli_epi16(eighths, 3));
  return _mm256_cmpgt_epi16(_mm256_set1_epi16(16000), scaled);
}

__attribute__((target("avx2"))) __m256i LoadLanes(const std::uint8_t* low,
                                                  const std::uint8_t* high) {
  const __m128i lowLane = _mm_loadu_si128(reinterpret_cast<const __m128i*>(low));
  const __m128i highLane = _mm_loadu_si128(reinterpret_cast<const __m128i*>(high));
  return _mm256_inserti128_si256(_mm256_castsi128_si256(lowLane), highLane, 1);
}

// Packs whole groups of 32 pixels and gives the number of pixels done.
__attribute__((target("avx2"))) int PackPrintingDots24Avx2(const std::uint8_t* row, int width,
                                                           std::uint8_t* dots) {
  int c = 0;
  for (; c + 32 <= width; c += 32) {
    // Lane 0 takes pixels c to c + 15, lane 1 pixels c + 16 to c + 31 (48 bytes further on).
    const std::uint8_t* p = row + 3 * c;
    const __m256i first = LoadLanes(p, p + 48);
    const __m256i second = LoadLanes(p + 16, p + 64);
    const __m256i third = LoadLanes(p + 32, p + 80);
    // Pixels 8 to 15 of a lane start at byte 8 of `second`.
    const __m256i prints = _mm256_packs_epi16(
        EightPixelsPrint(first, second),
        EightPixelsPrint(_mm256_alignr_epi8(third, second, 8), _mm256_srli_si256(third, 8)));
    // Bit j is pixel c + j; the printer wants the leftmost pixel in the high bit of each byte.
    auto bits = static_cast<std::uint32_t>(_mm256_movemask_epi8(prints));
    bits = ((bits >> 1) & 0x55555555u) | ((bits & 0x55555555u) << 1);
    bits = ((bits >> 2) & 0x33333333u) | ((bits & 0x33333333u) << 2);
    bits = ((bits >> 4) & 0x0F0F0F0Fu) | ((bits & 0x0F0F0F0Fu) << 4);
    for (int k = 0; k < 4; ++k) {
      dots[c / 8 + k] = static_cast<std::uint8_t>(bits >> (8 * k));
    }
  }
  return c;
}

#endif

}  // namespace

bool DotPrints(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return 299 * red + 587 * green + 114 * blue < 128 * 1000;
}

void PackPrintingDots24(const std::uint8_t* row, int width, std::uint8_t* dots) {
  int done = 0;
#ifdef VARNEX_LOGO_AVX2_ROWS
  static const bool avx2 = __builtin_cpu_supports("avx2");
  if (avx2) {
    done = PackPrintingDots24Avx2(row, width, dots);
  }
#endif
  PackFrom(done, width, dots, [row](int c) {
    const std::uint8_t* bgr = row + 3 * c;
    return DotPrints(bgr[2], bgr[1], bgr[0]);
  });
}

void PackPrintingDots8(const std::uint8_t* row, int width, const std::array<bool, 256>& entryPrints,
                       std::uint8_t* dots) {
  PackFrom(0, width, dots, [&](int c) { return entryPrints[row[c]]; });
}

}  // namespace varnex::logo
