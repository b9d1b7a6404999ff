#pragma once

#include <cstdint>
#include <vector>

#include "varnex/logo/logo_raster.h"

namespace varnex::logo {

// The print size of the stored logo, the m of the NV bit image print command.
enum class LogoZoom : std::uint8_t {
  Normal = 0,
  DoubleWidth = 1,
  DoubleHeight = 2,
  DoubleWidthHeight = 3,
};

// Defines NV bit image 1 from the raster: 1C 71 01 xL xH yL yH, the raster data, 0A.
std::vector<std::uint8_t> NvLogoDownloadCommand(const LogoRaster& raster);

// Prints NV bit image 1 centred: 1B 40 1B 61 01 1C 70 01 m 0A 0A 0A 1B 40.
std::vector<std::uint8_t> NvLogoPrintCommand(LogoZoom zoom);

// Replaces the stored logo by one white 8 x 8 block, then a line feed (16 bytes).
std::vector<std::uint8_t> NvLogoClearCommand();

}  // namespace varnex::logo
