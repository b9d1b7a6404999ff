#include "varnex/logo/bmp_layout.h"

namespace varnex::logo {

namespace {

constexpr std::size_t kInfoHeaderOffset = 14;
constexpr std::uint16_t kBmpMagic = 0x4D42;  // the letters B, M read little-endian

std::uint16_t U16(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

std::uint32_t U32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return std::uint32_t{bytes[offset]} | (std::uint32_t{bytes[offset + 1]} << 8) |
         (std::uint32_t{bytes[offset + 2]} << 16) | (std::uint32_t{bytes[offset + 3]} << 24);
}

std::int32_t I32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::int32_t>(U32(bytes, offset));
}

LogoFailure Refused(int messageId) {
  return LogoFailure{messageId, {}};
}

}  // namespace

std::variant<BmpLayout, LogoFailure> ReadBmpLayout(std::span<const std::uint8_t> headers,
                                                   LogoPaper paper) {
  if (headers.size() < kBmpHeadersSize) {
    return Refused(kMsgBadBitmap);
  }
  const auto info = headers.subspan(kInfoHeaderOffset);
  const std::int32_t width = I32(info, 4);
  const std::int32_t height = I32(info, 8);
  const std::uint16_t planes = U16(info, 12);
  const std::uint16_t bitCount = U16(info, 14);
  const std::uint32_t compression = U32(info, 16);
  const std::uint32_t clrImportant = U32(info, 36);

  if (U16(headers, 0) != kBmpMagic || U16(headers, 6) != 0 || U16(headers, 8) != 0 ||
      clrImportant != 0 || compression != 0 || planes != 1) {
    return Refused(kMsgBadBitmap);
  }
  if (bitCount != 1 && bitCount != 8 && bitCount != 24) {
    return Refused(kMsgUnsupportedBitmap);
  }
  // A top-down bitmap (negative height) or an empty image has no rows to take bottom-up.
  if (width <= 0 || height <= 0) {
    return Refused(kMsgBadBitmap);
  }
  if (width > LogoMaxWidth(paper)) {
    return Refused(kMsgTooWide);
  }

  BmpLayout layout;
  layout.width = width;
  layout.height = height;
  layout.bitCount = bitCount;
  layout.paletteBytes = bitCount == 1 ? 2 * 4 : bitCount == 8 ? 256 * 4 : 0;
  // Rows are padded to whole 32-bit words.
  layout.stride = ((static_cast<std::size_t>(bitCount) * static_cast<std::size_t>(width) + 31) &
                   ~std::size_t{31}) /
                  8;
  layout.pixelBytes = std::uint64_t{layout.stride} * static_cast<std::uint64_t>(height);
  return layout;
}

std::optional<LogoFailure> CheckReceiveBuffer(const BmpLayout& layout) {
  const std::int64_t xBytes = layout.XBytes();
  const std::int64_t yBands = layout.YBands();
  if (yBands >= kLogoBufferLimit / (8 * xBytes) - 1) {
    return Refused(kMsgTooTall);
  }
  if (xBytes * yBands * 8 > kLogoBufferLimit) {
    return Refused(kMsgTooLarge);
  }
  return std::nullopt;
}

}  // namespace varnex::logo
