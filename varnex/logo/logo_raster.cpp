#include "varnex/logo/logo_raster.h"

#include <array>
#include <bit>
#include <cstring>
#include <new>

#include "varnex/logo/bmp_layout.h"
#include "varnex/logo/dot_rows.h"
#include "varnex/logo/raster_columns.h"

namespace varnex::logo {

namespace {

// Palette entries are stored blue, green, red, reserved.
bool PaletteEntryPrints(std::span<const std::uint8_t> palette, std::size_t index) {
  return DotPrints(palette[4 * index + 2], palette[4 * index + 1], palette[4 * index]);
}

// 1-bit rows already hold one dot a bit: a bit of 1 names palette entry 1, a bit of 0 entry 0,
// so the stored bytes are taken eight rows at a time straight from the file, mapped through the
// palette and cut off right of the image.
void Convert1Bit(const BmpLayout& layout, std::span<const std::uint8_t> palette,
                 const std::uint8_t* pixels, LogoRaster& raster) {
  const std::uint64_t whereSet = PaletteEntryPrints(palette, 1) ? ~0ULL : 0;
  const std::uint64_t whereClear = PaletteEntryPrints(palette, 0) ? ~0ULL : 0;
  const int lastByte = raster.xBytes - 1;
  const int usedBits = layout.width - 8 * lastByte;
  const std::uint64_t lastByteKeep = (0xFFULL << (8 - usedBits) & 0xFF) * 0x0101010101010101ULL;
  const int lastRow = layout.height - 1;
  const int fullBands = layout.height / 8;
  // The file stores the rows bottom-up, so each row of a band lies one stride before the one
  // above it.
  const auto stride = static_cast<std::ptrdiff_t>(layout.stride);
  WriteColumns(raster, [&](int band, int i) {
    const std::uint8_t* top = pixels + stride * (lastRow - 8 * band) + i;
    std::uint64_t block = 0;
    std::uint64_t keep = i == lastByte ? lastByteKeep : ~0ULL;
    if (band < fullBands) {
#pragma GCC unroll 8
      for (int k = 0; k < 8; ++k) {
        block = (block << 8) | top[-k * stride];
      }
    } else {
      const int rows = layout.height % 8;
      for (int k = 0; k < 8; ++k) {
        block = (block << 8) | (k < rows ? top[-k * stride] : 0);
      }
      keep &= ~(~0ULL >> (8 * rows));
    }
    return ((block & whereSet) | (~block & whereClear)) & keep;
  });
}

// Eight bytes with the first in the least significant place.
std::uint64_t LoadLittleEndian(const std::uint8_t* bytes) {
  std::uint64_t value = 0;
  std::memcpy(&value, bytes, sizeof value);
  if constexpr (std::endian::native == std::endian::big) {
    std::uint64_t swapped = 0;
    for (int k = 0; k < 8; ++k) {
      swapped = (swapped << 8) | ((value >> (8 * k)) & 0xFF);
    }
    value = swapped;
  }
  return value;
}

// 8- and 24-bit rows: the dots of each row are packed eight to a byte, and the bytes are laid
// out block by block (the eight rows of one byte column of a band together, bottom row first),
// so the columns can take each block with one read.
void ConvertByteRows(const BmpLayout& layout, std::span<const std::uint8_t> palette,
                     const std::uint8_t* pixels, LogoRaster& raster) {
  const int xBytes = raster.xBytes;
  std::array<bool, 256> entryPrints{};
  if (layout.bitCount == 8) {
    for (std::size_t i = 0; i < entryPrints.size(); ++i) {
      entryPrints[i] = PaletteEntryPrints(palette, i);
    }
  }
  // Rows below the image stay blank.
  std::vector<std::uint8_t> blocks(raster.data.size(), 0);
  std::vector<std::uint8_t> dots(static_cast<std::size_t>(xBytes));
  const int lastRow = layout.height - 1;
  for (int r = 0; r <= lastRow; ++r) {
    const std::uint8_t* row = pixels + layout.stride * static_cast<std::size_t>(lastRow - r);
    if (layout.bitCount == 8) {
      PackPrintingDots8(row, layout.width, entryPrints, dots.data());
    } else {
      PackPrintingDots24(row, layout.width, dots.data());
    }
    std::uint8_t* firstBlock = blocks.data() + 8 * static_cast<std::size_t>(r / 8) * xBytes;
    for (int i = 0; i < xBytes; ++i) {
      firstBlock[8 * i + 7 - r % 8] = dots[static_cast<std::size_t>(i)];
    }
  }
  WriteColumns(raster, [&](int band, int i) {
    return LoadLittleEndian(blocks.data() + 8 * (static_cast<std::size_t>(band) * xBytes + i));
  });
}

// Converts an image that passed every check.
LogoRaster Convert(const BmpLayout& layout, std::span<const std::uint8_t> file) {
  LogoRaster raster;
  raster.xBytes = layout.XBytes();
  raster.yBands = static_cast<int>(layout.YBands());
  raster.data.assign(8 * static_cast<std::size_t>(raster.xBytes) * raster.yBands, 0);
  const auto palette = file.subspan(kBmpHeadersSize, layout.paletteBytes);
  const std::uint8_t* pixels = file.data() + layout.PixelOffset();
  if (layout.bitCount == 1) {
    Convert1Bit(layout, palette, pixels, raster);
  } else {
    ConvertByteRows(layout, palette, pixels, raster);
  }
  return raster;
}

}  // namespace

LogoResult ConvertLogoBitmap(std::span<const std::uint8_t> file, LogoPaper paper) {
  auto layout = ReadBmpLayout(file, paper);
  if (auto* failure = std::get_if<LogoFailure>(&layout)) {
    return std::move(*failure);
  }
  const auto& accepted = std::get<BmpLayout>(layout);
  // Everything read below lies inside the file from here on.
  if (file.size() < accepted.FileBytes()) {
    return LogoFailure{kMsgBadBitmap, {}};
  }
  if (auto failure = CheckReceiveBuffer(accepted)) {
    return std::move(*failure);
  }
  try {
    return Convert(accepted, file);
  } catch (const std::bad_alloc&) {
    return LogoFailure{kMsgNoMemory, {}};
  }
}

}  // namespace varnex::logo
