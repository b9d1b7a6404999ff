#include "tests/varnex/logo/bmp_writer.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace testsupport {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

std::int64_t Magnitude(int value) {
  return value < 0 ? -std::int64_t{value} : value;
}

std::uint32_t PaletteEntry(const BmpFile& bmp, std::size_t index, std::size_t count) {
  if (index < bmp.palette.size()) {
    return bmp.palette[index];
  }
  const auto grey = count < 2 ? 0u : static_cast<std::uint32_t>(index * 255 / (count - 1));
  return (grey << 16) | (grey << 8) | grey;
}

// One stored row: the pixels, then padding up to the stride.
std::vector<std::uint8_t> EncodeRow(const BmpFile& bmp, int y, std::size_t stride) {
  std::vector<std::uint8_t> row(stride, bmp.rowPadding);
  const int bits = bmp.bitCount;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
    return row;  // no pixel format to write; the row is all padding
  }
  if (bits < 8) {
    // Clear the bits the pixels occupy; padding bits past the last pixel keep rowPadding.
    for (int x = 0; x < Magnitude(bmp.width); ++x) {
      const int shift = 8 - bits - (x * bits) % 8;
      const auto mask = static_cast<std::uint8_t>(((1 << bits) - 1) << shift);
      auto& byte = row[static_cast<std::size_t>(x * bits / 8)];
      const std::uint32_t value = bmp.pixel ? bmp.pixel(x, y) : 0;
      byte = static_cast<std::uint8_t>((byte & ~mask) | ((value << shift) & mask));
    }
    return row;
  }
  const std::size_t bytesPerPixel = static_cast<std::size_t>(bits / 8);
  for (int x = 0; x < Magnitude(bmp.width); ++x) {
    const std::uint32_t value = bmp.pixel ? bmp.pixel(x, y) : (bits == 8 ? 0 : 0xFFFFFF);
    std::uint8_t* out = row.data() + static_cast<std::size_t>(x) * bytesPerPixel;
    const std::uint8_t red = static_cast<std::uint8_t>(value >> 16);
    const std::uint8_t green = static_cast<std::uint8_t>(value >> 8);
    const std::uint8_t blue = static_cast<std::uint8_t>(value);
    if (bits == 8) {
      out[0] = static_cast<std::uint8_t>(value);
    } else if (bits == 16) {
      const auto packed =
          static_cast<std::uint16_t>(((red >> 3) << 10) | ((green >> 3) << 5) | (blue >> 3));
      out[0] = static_cast<std::uint8_t>(packed);
      out[1] = static_cast<std::uint8_t>(packed >> 8);
    } else {
      out[0] = blue;
      out[1] = green;
      out[2] = red;
      if (bits == 32) {
        out[3] = 0;
      }
    }
  }
  return row;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const BmpFile& bmp) {
  const std::int64_t rows = Magnitude(bmp.height);
  const std::size_t stride =
      ((static_cast<std::size_t>(bmp.bitCount) * static_cast<std::size_t>(Magnitude(bmp.width)) +
        31) /
       32) *
      4;
  const std::size_t paletteCount = bmp.bitCount <= 8 ? std::size_t{1} << bmp.bitCount : 0;
  const std::size_t pixelOffset = 14 + 40 + 4 * paletteCount;
  const std::size_t pixelBytes = stride * static_cast<std::size_t>(rows);

  std::vector<std::uint8_t> out;
  const std::size_t limit = bmp.truncateTo.value_or(SIZE_MAX);
  Put16(out, bmp.type);
  Put32(out, static_cast<std::uint32_t>(pixelOffset + pixelBytes));
  Put16(out, bmp.reserved1);
  Put16(out, bmp.reserved2);
  Put32(out, static_cast<std::uint32_t>(pixelOffset));

  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(bmp.width));
  Put32(out, static_cast<std::uint32_t>(bmp.height));
  Put16(out, bmp.planes);
  Put16(out, static_cast<std::uint32_t>(bmp.bitCount));
  Put32(out, bmp.compression);
  Put32(out, static_cast<std::uint32_t>(pixelBytes));
  Put32(out, 2835);  // 72 dots per inch
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, bmp.clrImportant);

  for (std::size_t i = 0; i < paletteCount; ++i) {
    const std::uint32_t rgb = PaletteEntry(bmp, i, paletteCount);
    out.push_back(static_cast<std::uint8_t>(rgb));        // blue
    out.push_back(static_cast<std::uint8_t>(rgb >> 8));   // green
    out.push_back(static_cast<std::uint8_t>(rgb >> 16));  // red
    out.push_back(0);
  }
  // Rows are produced only as far as the cut, so a header may promise far more than is written.
  for (std::int64_t i = 0; i < rows && out.size() < limit; ++i) {
    const auto y = static_cast<int>(bmp.height < 0 ? i : rows - 1 - i);
    const auto row = EncodeRow(bmp, y, stride);
    out.insert(out.end(), row.begin(), row.end());
  }
  if (out.size() > limit) {
    out.resize(limit);
  }
  return out;
}

void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) {
    throw std::runtime_error("cannot write " + path);
  }
}

std::string WriteBmp(const std::string& path, const BmpFile& bmp) {
  WriteFileBytes(path, EncodeBmp(bmp));
  return path;
}

}  // namespace testsupport
