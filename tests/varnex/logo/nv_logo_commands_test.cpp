#include "varnex/logo/nv_logo_commands.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"
#include "tests/varnex/logo/bmp_writer.h"
#include "varnex/logo/logo_paper.h"

namespace varnex::logo {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(NvLogoCommandsTest, SixteenBySixteenBitmapDownloadsAsFortyBytes) {
  testsupport::ScratchDir dir;
  testsupport::BmpFile bmp;
  bmp.width = 16;
  bmp.height = 16;
  bmp.pixel = [](int x, int y) -> std::uint32_t { return x == y ? 0x000000 : 0xFFFFFF; };
  const auto result =
      BuildLogoRaster(testsupport::WriteBmp(dir.File("16.bmp"), bmp), LogoPaper::Pos58);
  ASSERT_TRUE(std::holds_alternative<LogoRaster>(result));
  const auto& raster = std::get<LogoRaster>(result);

  const Bytes command = NvLogoDownloadCommand(raster);
  ASSERT_EQ(command.size(), 40u);
  EXPECT_EQ(Bytes(command.begin(), command.begin() + 7),
            (Bytes{0x1C, 0x71, 0x01, 0x02, 0x00, 0x02, 0x00}));
  EXPECT_EQ(Bytes(command.begin() + 7, command.end() - 1), raster.data);
  EXPECT_EQ(command.back(), 0x0A);
  // The diagonal: column 0 starts with the top dot, column 9 has row 9 in its second band.
  EXPECT_EQ(command[7], 0x80);
  EXPECT_EQ(command[7 + 2 * 9 + 1], 0x40);
}

TEST(NvLogoCommandsTest, DownloadCarriesSizesLowByteFirst) {
  LogoRaster raster;
  raster.xBytes = 0x0102;
  raster.yBands = 0x0304;
  raster.data = {0xAB, 0xCD};
  EXPECT_EQ(NvLogoDownloadCommand(raster),
            (Bytes{0x1C, 0x71, 0x01, 0x02, 0x01, 0x04, 0x03, 0xAB, 0xCD, 0x0A}));
}

struct PrintCase {
  LogoZoom zoom;
  Bytes bytes;
};

class NvLogoPrintTest : public ::testing::TestWithParam<PrintCase> {};

TEST_P(NvLogoPrintTest, PrintsImageOneInTheChosenSize) {
  EXPECT_EQ(NvLogoPrintCommand(GetParam().zoom), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Zooms, NvLogoPrintTest,
                         ::testing::Values(PrintCase{LogoZoom::Normal,
                                                     {0x1B, 0x40, 0x1B, 0x61, 0x01, 0x1C, 0x70,
                                                      0x01, 0x00, 0x0A, 0x0A, 0x0A, 0x1B, 0x40}},
                                           PrintCase{LogoZoom::DoubleWidth,
                                                     {0x1B, 0x40, 0x1B, 0x61, 0x01, 0x1C, 0x70,
                                                      0x01, 0x01, 0x0A, 0x0A, 0x0A, 0x1B, 0x40}},
                                           PrintCase{LogoZoom::DoubleHeight,
                                                     {0x1B, 0x40, 0x1B, 0x61, 0x01, 0x1C, 0x70,
                                                      0x01, 0x02, 0x0A, 0x0A, 0x0A, 0x1B, 0x40}},
                                           PrintCase{LogoZoom::DoubleWidthHeight,
                                                     {0x1B, 0x40, 0x1B, 0x61, 0x01, 0x1C, 0x70,
                                                      0x01, 0x03, 0x0A, 0x0A, 0x0A, 0x1B, 0x40}}));

TEST(NvLogoCommandsTest, ClearDefinesOneWhiteBlock) {
  EXPECT_EQ(NvLogoClearCommand(), (Bytes{0x1C, 0x71, 0x01, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00,
                                         0x00, 0x00, 0x00, 0x00, 0x00, 0x0A}));
}

struct PaperCase {
  LogoPaper paper;
  int maxWidth;
  std::string sizeHint;
};

class LogoPaperTest : public ::testing::TestWithParam<PaperCase> {};

TEST_P(LogoPaperTest, WidthAndHintFollowThePaper) {
  EXPECT_EQ(LogoMaxWidth(GetParam().paper), GetParam().maxWidth);
  EXPECT_EQ(LogoSizeHint(GetParam().paper), GetParam().sizeHint);
}

INSTANTIATE_TEST_SUITE_P(
    Papers, LogoPaperTest,
    ::testing::Values(PaperCase{LogoPaper::Pos58, 384, "Max BMP Size:384 X 600"},
                      PaperCase{LogoPaper::Pos80, 576, "Max BMP Size:576 X 600"}));

}  // namespace
}  // namespace varnex::logo
