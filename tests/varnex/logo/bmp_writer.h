#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

// A BMP file as a test describes it. The defaults give a sound bottom-up 24-bit file of 8 x 8
// white pixels; every header field can be set to a wrong value to build files a reader refuses.
struct BmpFile {
  int width = 8;
  // Stored as given. A negative height makes a top-down file: |height| rows, top row first.
  int height = 8;
  // 1, 4 and 8 write palette indexes, 16 writes 5-5-5 colours, 24 and 32 write blue, green,
  // red (and a zero byte for 32). Any other count writes rows of padding only.
  int bitCount = 24;
  // Palette entries as 0xRRGGBB, written for bit counts up to 8 (2^bitCount entries). Entries
  // not given are a grey ramp from black at index 0 to white at the last index, so a 1-bit file
  // defaults to entry 0 black and entry 1 white, and an 8-bit file to entry i = grey i.
  std::vector<std::uint32_t> palette;
  // The pixel at column x and row y (y = 0 is the top row): a palette index for indexed files,
  // 0xRRGGBB otherwise. Without it every pixel is index 0 or white.
  std::function<std::uint32_t(int x, int y)> pixel;
  // Every padding bit and byte right of the image in a row gets this value's bits.
  std::uint8_t rowPadding = 0x00;

  std::uint16_t type = 0x4D42;  // "BM"
  std::uint16_t reserved1 = 0;
  std::uint16_t reserved2 = 0;
  std::uint16_t planes = 1;
  std::uint32_t compression = 0;
  std::uint32_t clrImportant = 0;
  // Cut the encoded file to this many bytes.
  std::optional<std::size_t> truncateTo;
};

// The bytes of the file: 14-byte file header, 40-byte info header, palette, rows bottom-up
// (or top-down for a negative height), each row padded to whole 32-bit words.
std::vector<std::uint8_t> EncodeBmp(const BmpFile& bmp);

// Writes `bytes` to `path`, replacing the file; throws when it cannot.
void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Encodes `bmp` into `path` and gives back the path.
std::string WriteBmp(const std::string& path, const BmpFile& bmp);

}  // namespace testsupport
