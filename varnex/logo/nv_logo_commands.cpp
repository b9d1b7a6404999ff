#include "varnex/logo/nv_logo_commands.h"

namespace varnex::logo {

namespace {

constexpr std::uint8_t kLineFeed = 0x0A;

std::uint8_t Low(int value) {
  return static_cast<std::uint8_t>(value & 0xFF);
}
std::uint8_t High(int value) {
  return static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

}  // namespace

std::vector<std::uint8_t> NvLogoDownloadCommand(const LogoRaster& raster) {
  std::vector<std::uint8_t> bytes{0x1C,
                                  0x71,
                                  0x01,
                                  Low(raster.xBytes),
                                  High(raster.xBytes),
                                  Low(raster.yBands),
                                  High(raster.yBands)};
  bytes.reserve(bytes.size() + raster.data.size() + 1);
  bytes.insert(bytes.end(), raster.data.begin(), raster.data.end());
  bytes.push_back(kLineFeed);
  return bytes;
}

std::vector<std::uint8_t> NvLogoPrintCommand(LogoZoom zoom) {
  // Initialise, centre, print image 1 in mode m, three line feeds, initialise again.
  return {0x1B,      0x40,      0x1B,
          0x61,      0x01,      0x1C,
          0x70,      0x01,      static_cast<std::uint8_t>(zoom),
          kLineFeed, kLineFeed, kLineFeed,
          0x1B,      0x40};
}

std::vector<std::uint8_t> NvLogoClearCommand() {
  // One image of one byte across and one band down, all white.
  return {0x1C, 0x71, 0x01, 0x01, 0x00, 0x01, 0x00, 0x00,
          0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, kLineFeed};
}

}  // namespace varnex::logo
