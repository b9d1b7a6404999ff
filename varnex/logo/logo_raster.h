#pragma once

// Turning a Windows BMP file into the NV logo raster the printer stores.
//
// The reader takes the file as it is usually laid out: a 14-byte file header, a 40-byte info
// header, the palette right behind it (2 entries for 1-bit, 256 for 8-bit, none for 24-bit) and
// the pixel rows right behind the palette, bottom row first. bfOffBits, biSize and biClrUsed are
// not consulted. The first failing check ends the conversion with its message:
//
//   1. The file cannot be opened: a file error. It is shorter than the two headers: 165.
//   2. bfType is not "BM", a reserved field is not 0, biClrImportant is not 0, the file is
//      compressed, or biPlanes is not 1: 165.
//   3. biBitCount is not 1, 8 or 24: 166.
//   4. The width or height is zero or below (top-down bitmaps store a negative height): 165.
//      This comes before any size is derived from them.
//   5. The width is beyond the paper (384 dots for POS58, 576 for POS80): 167.
//   6. The file is shorter than its palette and stride x height bytes of rows: 165. Width is at
//      most 576 here, so stride x height is computed in 64 bits without overflow, and the file's
//      length is checked before anything of that size is allocated or read.
//   7. The raster does not fit the printer's receive buffer of 8187 bytes: 233 when yBands is
//      not below floor(8187 / (8 x xBytes)) - 1, else 234 when xBytes x yBands x 8 exceeds 8187.
//      This is known from the header, so the rows of a refused image are never read.
//   8. The system fails a read: a file error. Memory for the rows or the raster cannot be had:
//      168.
//
// A dot prints when floor((299 R + 587 G + 114 B) / 1000) is below 128, the colour being taken
// through the palette for 1- and 8-bit files: the palette, not the raw bit, decides what prints.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "varnex/logo/logo_paper.h"

namespace varnex::logo {

// String-table ids of the messages a refused bitmap shows.
inline constexpr int kMsgBadBitmap = 165;          // "Incorrect bitmap file format!"
inline constexpr int kMsgUnsupportedBitmap = 166;  // "BMP format not supported!"
inline constexpr int kMsgTooWide = 167;            // "The size is too big!"
inline constexpr int kMsgNoMemory = 168;           // "Application failed!"
inline constexpr int kMsgTooTall = 233;   // "The image exceeds the maximum height that can be..."
inline constexpr int kMsgTooLarge = 234;  // "The image is too large, please reselect!!"
// Not a string-table id: the file could not be opened or read; LogoFailure::fileError says why.
inline constexpr int kFileError = 0;

// The most raster bytes the printer can receive in one NV logo definition.
inline constexpr int kLogoBufferLimit = 8187;

// The 1-bit NV logo raster: 8 x xBytes columns from the left, each of yBands bytes from the top
// band down; in each byte the most significant bit is the topmost dot; 1 prints a dot.
struct LogoRaster {
  int xBytes = 0;
  int yBands = 0;
  std::vector<std::uint8_t> data;  // xBytes x yBands x 8 bytes
};

// Why a bitmap was refused.
struct LogoFailure {
  // The string-table id of the message to show, or kFileError.
  int messageId = kFileError;
  // For a file error, a sentence naming the file and the system's reason; empty otherwise.
  std::string fileError;

  bool IsFileError() const { return messageId == kFileError; }
};

using LogoResult = std::variant<LogoRaster, LogoFailure>;

// Reads the BMP file at `path` with plain reads and converts it for the paper. The file is
// closed before converting and on every failure.
LogoResult BuildLogoRaster(const std::filesystem::path& path, LogoPaper paper);

// The same checks and conversion on the bytes of a whole file already in memory (file errors
// cannot occur). Reads nothing outside `file`.
LogoResult ConvertLogoBitmap(std::span<const std::uint8_t> file, LogoPaper paper);

}  // namespace varnex::logo
