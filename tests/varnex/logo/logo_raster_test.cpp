#include "varnex/logo/logo_raster.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"
#include "tests/varnex/logo/bmp_writer.h"

namespace varnex::logo {
namespace {

using testsupport::BmpFile;

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr int kAccepted = -1;  // in tables: the image converts

// The printing rule written out the long way, as a model the reader is checked against.
bool ModelPrints(std::uint32_t rgb) {
  const int red = (rgb >> 16) & 0xFF;
  const int green = (rgb >> 8) & 0xFF;
  const int blue = rgb & 0xFF;
  return (299 * red + 587 * green + 114 * blue) / 1000 < 128;
}

// The colour of pixel (x, y) of a fixture, through its palette for indexed files.
std::uint32_t ColourAt(const BmpFile& bmp, int x, int y) {
  const std::uint32_t value = bmp.pixel(x, y);
  if (bmp.bitCount == 24) {
    return value;
  }
  if (value < bmp.palette.size()) {
    return bmp.palette[value];
  }
  // The writer's grey ramp for entries not given.
  const std::uint32_t grey = value * 255 / ((1u << bmp.bitCount) - 1);
  return (grey << 16) | (grey << 8) | grey;
}

// The raster the fixture should give: column by column, top band first, top dot in the most
// significant bit, blank right of the image and below it.
std::vector<std::uint8_t> ModelRaster(const BmpFile& bmp) {
  const int xBytes = (bmp.width + 7) / 8;
  const int yBands = (bmp.height + 7) / 8;
  std::vector<std::uint8_t> data;
  for (int c = 0; c < 8 * xBytes; ++c) {
    for (int band = 0; band < yBands; ++band) {
      std::uint8_t byte = 0;
      for (int n = 0; n < 8; ++n) {
        const int r = 8 * band + n;
        if (c < bmp.width && r < bmp.height && ModelPrints(ColourAt(bmp, c, r))) {
          byte |= static_cast<std::uint8_t>(0x80 >> n);
        }
      }
      data.push_back(byte);
    }
  }
  return data;
}

int MessageOf(const LogoResult& result) {
  const auto* failure = std::get_if<LogoFailure>(&result);
  return failure == nullptr ? kAccepted : failure->messageId;
}

class LogoRasterTest : public ::testing::Test {
 protected:
  LogoResult Build(const BmpFile& bmp, LogoPaper paper = LogoPaper::Pos58) {
    return BuildLogoRaster(testsupport::WriteBmp(dir_.File("logo.bmp"), bmp), paper);
  }

  // Builds the fixture and expects a raster.
  LogoRaster Raster(const BmpFile& bmp, LogoPaper paper = LogoPaper::Pos58) {
    auto result = Build(bmp, paper);
    if (const auto* failure = std::get_if<LogoFailure>(&result)) {
      ADD_FAILURE() << "refused with message " << failure->messageId << " " << failure->fileError;
      return {};
    }
    return std::get<LogoRaster>(std::move(result));
  }

  testsupport::ScratchDir dir_;
};

BmpFile Solid(int width, int height, int bitCount, std::uint32_t value) {
  BmpFile bmp;
  bmp.width = width;
  bmp.height = height;
  bmp.bitCount = bitCount;
  bmp.pixel = [value](int, int) { return value; };
  return bmp;
}

// --- Sizes: the paper width and the receive buffer --------------------------------------------

struct SizeCase {
  int width;
  int height;
  LogoPaper paper;
  int bitCount;
  int message;  // kAccepted or the message id
  int xBytes;
  int yBands;
};

class LogoSizeTest : public LogoRasterTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(LogoSizeTest, AcceptsOrRefusesBySize) {
  const SizeCase& row = GetParam();
  SCOPED_TRACE(::testing::Message()
               << row.width << " x " << row.height << ", " << row.bitCount << "-bit");
  // A black frame one dot wide, so the edges of the image are visibly converted.
  BmpFile bmp = Solid(row.width, row.height, row.bitCount, 0);
  bmp.palette = {kWhite, kBlack};
  const bool indexed = row.bitCount != 24;
  bmp.pixel = [&row, indexed](int x, int y) -> std::uint32_t {
    const bool edge = x == 0 || y == 0 || x == row.width - 1 || y == row.height - 1;
    return indexed ? (edge ? 1 : 0) : (edge ? kBlack : kWhite);
  };
  const auto result = Build(bmp, row.paper);
  ASSERT_EQ(MessageOf(result), row.message);
  if (row.message != kAccepted) {
    EXPECT_FALSE(std::get<LogoFailure>(result).IsFileError());
    return;
  }
  const auto& raster = std::get<LogoRaster>(result);
  EXPECT_EQ(raster.xBytes, row.xBytes);
  EXPECT_EQ(raster.yBands, row.yBands);
  EXPECT_EQ(raster.data.size(), static_cast<std::size_t>(row.xBytes * row.yBands * 8));
  EXPECT_EQ(raster.data, ModelRaster(bmp));
}

INSTANTIATE_TEST_SUITE_P(Sizes, LogoSizeTest,
                         ::testing::Values(
                             // Width against the paper.
                             SizeCase{8, 20, LogoPaper::Pos58, 24, kAccepted, 1, 3},
                             SizeCase{16, 96, LogoPaper::Pos58, 24, kAccepted, 2, 12},
                             SizeCase{100, 97, LogoPaper::Pos58, 8, kAccepted, 13, 13},
                             SizeCase{384, 20, LogoPaper::Pos58, 24, kAccepted, 48, 3},
                             SizeCase{385, 20, LogoPaper::Pos58, 24, kMsgTooWide, 0, 0},
                             SizeCase{576, 20, LogoPaper::Pos58, 24, kMsgTooWide, 0, 0},
                             SizeCase{385, 20, LogoPaper::Pos80, 1, kAccepted, 49, 3},
                             SizeCase{576, 20, LogoPaper::Pos80, 24, kAccepted, 72, 3},
                             SizeCase{577, 20, LogoPaper::Pos80, 24, kMsgTooWide, 0, 0},
                             // The tallest image each width allows, and one row more.
                             SizeCase{8, 8168, LogoPaper::Pos58, 1, kAccepted, 1, 1021},
                             SizeCase{8, 8169, LogoPaper::Pos58, 1, kMsgTooTall, 0, 0},
                             SizeCase{8, 8176, LogoPaper::Pos58, 1, kMsgTooTall, 0, 0},
                             SizeCase{200, 304, LogoPaper::Pos58, 8, kAccepted, 25, 38},
                             SizeCase{200, 305, LogoPaper::Pos58, 8, kMsgTooTall, 0, 0},
                             SizeCase{384, 152, LogoPaper::Pos58, 24, kAccepted, 48, 19},
                             SizeCase{384, 153, LogoPaper::Pos58, 24, kMsgTooTall, 0, 0},
                             SizeCase{384, 152, LogoPaper::Pos80, 1, kAccepted, 48, 19},
                             SizeCase{576, 96, LogoPaper::Pos80, 24, kAccepted, 72, 12},
                             SizeCase{576, 97, LogoPaper::Pos80, 24, kMsgTooTall, 0, 0},
                             SizeCase{576, 153, LogoPaper::Pos80, 1, kMsgTooTall, 0, 0}));

// --- Layout of the raster ----------------------------------------------------------------------

TEST_F(LogoRasterTest, PartialBandKeepsLastRowsInHighBits) {
  // 8 x 20: a diagonal in the first band and rows 16 to 19 all black.
  BmpFile bmp = Solid(8, 20, 24, kWhite);
  bmp.pixel = [](int x, int y) { return (y == x || y >= 16) ? kBlack : kWhite; };
  const auto raster = Raster(bmp);
  EXPECT_EQ(raster.xBytes, 1);
  EXPECT_EQ(raster.yBands, 3);
  EXPECT_EQ(raster.data, (std::vector<std::uint8_t>{0x80, 0x00, 0xF0, 0x40, 0x00, 0xF0,  //
                                                    0x20, 0x00, 0xF0, 0x10, 0x00, 0xF0,  //
                                                    0x08, 0x00, 0xF0, 0x04, 0x00, 0xF0,  //
                                                    0x02, 0x00, 0xF0, 0x01, 0x00, 0xF0}));
}

class LogoBlankColumnsTest : public LogoRasterTest, public ::testing::WithParamInterface<int> {};

TEST_P(LogoBlankColumnsTest, ColumnsRightOfTheImageStayBlankWhateverThePadding) {
  // An all-black 100 x 8 image whose row padding would print if it were read as pixels.
  const int bitCount = GetParam();
  BmpFile bmp = Solid(100, 8, bitCount, bitCount == 24 ? kBlack : 1);
  bmp.palette = {kWhite, kBlack};
  if (bitCount == 8) {
    bmp.palette.resize(256, kBlack);
    bmp.palette[0] = kWhite;
  }
  bmp.rowPadding = bitCount == 24 ? 0x00 : 0xFF;
  const auto raster = Raster(bmp);
  ASSERT_EQ(raster.xBytes, 13);
  ASSERT_EQ(raster.yBands, 1);
  std::vector<std::uint8_t> expected(100, 0xFF);
  expected.resize(104, 0x00);
  EXPECT_EQ(raster.data, expected);
}

INSTANTIATE_TEST_SUITE_P(Depths, LogoBlankColumnsTest, ::testing::Values(1, 8, 24));

TEST_F(LogoRasterTest, RowsAreTakenBottomUp) {
  // Only the top row is black; the file stores it last.
  BmpFile bmp = Solid(8, 8, 24, kWhite);
  bmp.pixel = [](int, int y) { return y == 0 ? kBlack : kWhite; };
  EXPECT_EQ(Raster(bmp).data, std::vector<std::uint8_t>(8, 0x80));
}

// --- What prints -------------------------------------------------------------------------------

struct ColourCase {
  const char* name;
  std::uint32_t rgb;
  bool prints;
};

class LogoLuminanceTest : public LogoRasterTest,
                          public ::testing::WithParamInterface<std::tuple<ColourCase, int>> {};

TEST_P(LogoLuminanceTest, PrintsBelowLuminance128) {
  const auto& [colour, bitCount] = GetParam();
  BmpFile bmp = Solid(1, 1, bitCount, bitCount == 24 ? colour.rgb : 1);
  bmp.palette = {kWhite, colour.rgb};
  EXPECT_EQ(Raster(bmp).data,
            (std::vector<std::uint8_t>{static_cast<std::uint8_t>(colour.prints ? 0x80 : 0x00), 0x00,
                                       0x00, 0x00, 0x00, 0x00, 0x00, 0x00}))
      << colour.name;
}

INSTANTIATE_TEST_SUITE_P(
    Colours, LogoLuminanceTest,
    ::testing::Combine(::testing::Values(ColourCase{"grey 127", 0x7F7F7F, true},
                                         ColourCase{"grey 128", 0x808080, false},
                                         ColourCase{"luminance 127.999", 0x00ADE8, true},
                                         ColourCase{"luminance 128.000", 0x01BD93, false},
                                         ColourCase{"red", 0xFF0000, true},
                                         ColourCase{"blue", 0x0000FF, true},
                                         ColourCase{"green", 0x00FF00, false},
                                         ColourCase{"black", kBlack, true},
                                         ColourCase{"white", kWhite, false}),
                       ::testing::Values(1, 8, 24)));

struct PaletteCase {
  const char* name;
  std::uint32_t entry0;
  std::uint32_t entry1;
  std::uint8_t evenColumn;  // bits 1 where x + y is odd
  std::uint8_t oddColumn;
};

class LogoPaletteTest : public LogoRasterTest, public ::testing::WithParamInterface<PaletteCase> {};

TEST_P(LogoPaletteTest, PaletteDecidesWhichBitPrints) {
  const PaletteCase& row = GetParam();
  BmpFile bmp = Solid(8, 8, 1, 0);
  bmp.palette = {row.entry0, row.entry1};
  bmp.pixel = [](int x, int y) { return static_cast<std::uint32_t>((x + y) % 2); };
  std::vector<std::uint8_t> expected;
  for (int c = 0; c < 8; ++c) {
    expected.push_back(c % 2 == 0 ? row.evenColumn : row.oddColumn);
  }
  EXPECT_EQ(Raster(bmp).data, expected) << row.name;
}

INSTANTIATE_TEST_SUITE_P(Palettes, LogoPaletteTest,
                         ::testing::Values(PaletteCase{"white, black", kWhite, kBlack, 0x55, 0xAA},
                                           PaletteCase{"black, white", kBlack, kWhite, 0xAA, 0x55},
                                           PaletteCase{"both black", kBlack, kBlack, 0xFF, 0xFF},
                                           PaletteCase{"both white", kWhite, kWhite, 0x00, 0x00}));

// Random images of every depth and awkward sizes against the model.
struct RandomCase {
  int bitCount;
  int width;
  int height;
  LogoPaper paper;
};

class LogoRandomImageTest : public LogoRasterTest,
                            public ::testing::WithParamInterface<RandomCase> {};

TEST_P(LogoRandomImageTest, MatchesTheModel) {
  const RandomCase& row = GetParam();
  SCOPED_TRACE(::testing::Message()
               << row.width << " x " << row.height << ", " << row.bitCount << "-bit");
  std::mt19937 random(static_cast<unsigned>(row.width * 1000 + row.height + row.bitCount));
  std::vector<std::uint32_t> values(static_cast<std::size_t>(row.width * row.height));
  BmpFile bmp = Solid(row.width, row.height, row.bitCount, 0);
  if (row.bitCount == 8) {
    for (int i = 0; i < 256; ++i) {
      bmp.palette.push_back(random() & 0xFFFFFF);
    }
  } else if (row.bitCount == 1) {
    bmp.palette = {kBlack, kWhite};
  }
  for (auto& value : values) {
    value = row.bitCount == 1   ? random() % 2
            : row.bitCount == 8 ? random() % 256
                                : random() & 0xFFFFFF;
  }
  bmp.pixel = [&values, &row](int x, int y) {
    return values[static_cast<std::size_t>(y * row.width + x)];
  };
  bmp.rowPadding = 0xA5;
  const auto raster = Raster(bmp, row.paper);
  EXPECT_EQ(raster.data, ModelRaster(bmp));
}

INSTANTIATE_TEST_SUITE_P(Images, LogoRandomImageTest,
                         ::testing::Values(RandomCase{1, 1, 1, LogoPaper::Pos58},
                                           RandomCase{1, 37, 45, LogoPaper::Pos58},
                                           RandomCase{1, 8, 8168, LogoPaper::Pos58},
                                           RandomCase{8, 3, 5, LogoPaper::Pos58},
                                           RandomCase{8, 100, 20, LogoPaper::Pos58},
                                           RandomCase{8, 576, 96, LogoPaper::Pos80},
                                           RandomCase{24, 1, 1, LogoPaper::Pos58},
                                           RandomCase{24, 13, 97, LogoPaper::Pos58},
                                           RandomCase{24, 384, 152, LogoPaper::Pos58}));

// --- Refusals ----------------------------------------------------------------------------------

struct RefusalCase {
  const char* name;
  std::function<void(BmpFile&)> spoil;
  int message;
};

class LogoRefusalTest : public LogoRasterTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(LogoRefusalTest, RefusesWithItsMessage) {
  const RefusalCase& row = GetParam();
  BmpFile bmp = Solid(16, 16, 24, kBlack);
  row.spoil(bmp);
  const auto result = Build(bmp);
  EXPECT_EQ(MessageOf(result), row.message) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, LogoRefusalTest,
    ::testing::Values(
        RefusalCase{"sound", [](BmpFile&) {}, kAccepted},
        RefusalCase{"magic BA", [](BmpFile& s) { s.type = 0x4142; }, kMsgBadBitmap},
        RefusalCase{"magic MB", [](BmpFile& s) { s.type = 0x424D; }, kMsgBadBitmap},
        RefusalCase{"reserved1", [](BmpFile& s) { s.reserved1 = 1; }, kMsgBadBitmap},
        RefusalCase{"reserved2", [](BmpFile& s) { s.reserved2 = 0x8000; }, kMsgBadBitmap},
        RefusalCase{"clrImportant 2 on 1-bit",
                    [](BmpFile& s) {
                      s.bitCount = 1;
                      s.clrImportant = 2;
                    },
                    kMsgBadBitmap},
        RefusalCase{"clrImportant 256 on 8-bit",
                    [](BmpFile& s) {
                      s.bitCount = 8;
                      s.clrImportant = 256;
                    },
                    kMsgBadBitmap},
        RefusalCase{"run-length compression", [](BmpFile& s) { s.compression = 1; }, kMsgBadBitmap},
        RefusalCase{"bit fields", [](BmpFile& s) { s.compression = 3; }, kMsgBadBitmap},
        RefusalCase{"planes 0", [](BmpFile& s) { s.planes = 0; }, kMsgBadBitmap},
        RefusalCase{"planes 2", [](BmpFile& s) { s.planes = 2; }, kMsgBadBitmap},
        RefusalCase{"4-bit", [](BmpFile& s) { s.bitCount = 4; }, kMsgUnsupportedBitmap},
        RefusalCase{"16-bit", [](BmpFile& s) { s.bitCount = 16; }, kMsgUnsupportedBitmap},
        RefusalCase{"32-bit", [](BmpFile& s) { s.bitCount = 32; }, kMsgUnsupportedBitmap},
        RefusalCase{"0-bit", [](BmpFile& s) { s.bitCount = 0; }, kMsgUnsupportedBitmap},
        RefusalCase{"too wide", [](BmpFile& s) { s.width = 385; }, kMsgTooWide},
        RefusalCase{"tallest for 16 wide", [](BmpFile& s) { s.height = 8 * 509; }, kAccepted},
        RefusalCase{"too tall for 16 wide", [](BmpFile& s) { s.height = 8 * 509 + 1; },
                    kMsgTooTall},
        RefusalCase{"top-down", [](BmpFile& s) { s.height = -16; }, kMsgBadBitmap},
        RefusalCase{"height 0", [](BmpFile& s) { s.height = 0; }, kMsgBadBitmap},
        RefusalCase{"width 0", [](BmpFile& s) { s.width = 0; }, kMsgBadBitmap},
        RefusalCase{"width -16", [](BmpFile& s) { s.width = -16; }, kMsgBadBitmap},
        RefusalCase{"width most negative",
                    [](BmpFile& s) {
                      s.width = INT32_MIN;
                      s.truncateTo = 54;
                    },
                    kMsgBadBitmap},
        // The first failing check decides the message.
        RefusalCase{"bad magic and 4-bit",
                    [](BmpFile& s) {
                      s.type = 0;
                      s.bitCount = 4;
                    },
                    kMsgBadBitmap},
        RefusalCase{"32-bit and top-down",
                    [](BmpFile& s) {
                      s.bitCount = 32;
                      s.height = -16;
                    },
                    kMsgUnsupportedBitmap},
        RefusalCase{"16-bit and too wide",
                    [](BmpFile& s) {
                      s.bitCount = 16;
                      s.width = 600;
                    },
                    kMsgUnsupportedBitmap},
        RefusalCase{"top-down and too wide",
                    [](BmpFile& s) {
                      s.width = 600;
                      s.height = -16;
                    },
                    kMsgBadBitmap},
        RefusalCase{"too wide and cut short",
                    [](BmpFile& s) {
                      s.width = 600;
                      s.truncateTo = 100;
                    },
                    kMsgTooWide},
        RefusalCase{"too tall and cut short",
                    [](BmpFile& s) {
                      s.height = 8 * 510;
                      s.truncateTo = 1000;
                    },
                    kMsgBadBitmap}));

// Files shorter than the blocks the reader takes, and headers that promise more than the file
// holds. Heights near the 32-bit limit must be refused without computing or allocating their size.
struct ShortCase {
  const char* name;
  int bitCount;
  int width;
  int height;
  long cut;  // bytes kept; negative counts back from the full length
};

class LogoShortFileTest : public LogoRasterTest, public ::testing::WithParamInterface<ShortCase> {};

TEST_P(LogoShortFileTest, RefusesWithMessage165) {
  const ShortCase& row = GetParam();
  BmpFile bmp = Solid(row.width, row.height, row.bitCount, 0);
  if (row.cut >= 0) {
    bmp.truncateTo = static_cast<std::size_t>(row.cut);
  } else {
    bmp.truncateTo = testsupport::EncodeBmp(bmp).size() - static_cast<std::size_t>(-row.cut);
  }
  EXPECT_EQ(MessageOf(Build(bmp, LogoPaper::Pos80)), kMsgBadBitmap) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    ShortFiles, LogoShortFileTest,
    ::testing::Values(ShortCase{"empty", 24, 8, 8, 0}, ShortCase{"file header only", 24, 8, 8, 14},
                      ShortCase{"one byte short of the headers", 24, 8, 8, 53},
                      ShortCase{"half the 1-bit palette", 1, 8, 8, 58},
                      ShortCase{"8-bit palette one byte short", 8, 8, 8, 54 + 1023},
                      ShortCase{"no 1-bit rows", 1, 8, 8, 62},
                      ShortCase{"last 24-bit byte missing", 24, 10, 10, -1},
                      ShortCase{"last 8-bit row missing", 8, 10, 10, -12},
                      ShortCase{"24-bit height 2^31-1", 24, 576, INT32_MAX, 54 + 1728},
                      ShortCase{"1-bit height 2^31-1", 1, 8, INT32_MAX, 62 + 4000},
                      ShortCase{"8-bit height 2^31-1", 8, 576, INT32_MAX, 1078}));

TEST(LogoConvertTest, EveryCutOfAFileIsRefusedAndTheWholeFileConverts) {
  for (const int bitCount : {1, 8, 24}) {
    BmpFile bmp = Solid(11, 9, bitCount, 1);
    bmp.palette = {kWhite, kBlack};
    const auto bytes = testsupport::EncodeBmp(bmp);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
      EXPECT_EQ(MessageOf(ConvertLogoBitmap(std::span(bytes.data(), length), LogoPaper::Pos58)),
                kMsgBadBitmap)
          << bitCount << "-bit file cut to " << length << " bytes";
    }
    const auto whole = ConvertLogoBitmap(bytes, LogoPaper::Pos58);
    ASSERT_EQ(MessageOf(whole), kAccepted);
    EXPECT_EQ(std::get<LogoRaster>(whole).data, ModelRaster(bmp));
  }
}

TEST_F(LogoRasterTest, BytesBehindThePixelRowsAreIgnored) {
  BmpFile bmp = Solid(8, 8, 24, kBlack);
  auto bytes = testsupport::EncodeBmp(bmp);
  bytes.resize(bytes.size() + 100, 0x00);
  testsupport::WriteFileBytes(dir_.File("long.bmp"), bytes);
  const auto result = BuildLogoRaster(dir_.File("long.bmp"), LogoPaper::Pos58);
  ASSERT_EQ(MessageOf(result), kAccepted);
  EXPECT_EQ(std::get<LogoRaster>(result).data, std::vector<std::uint8_t>(8, 0xFF));
}

// --- Files that cannot be read -----------------------------------------------------------------

TEST_F(LogoRasterTest, MissingFileIsAFileErrorNamingTheFile) {
  const std::string path = dir_.File("missing.bmp");
  const auto result = BuildLogoRaster(path, LogoPaper::Pos58);
  ASSERT_TRUE(std::holds_alternative<LogoFailure>(result));
  const auto& failure = std::get<LogoFailure>(result);
  EXPECT_TRUE(failure.IsFileError());
  EXPECT_EQ(failure.messageId, kFileError);
  EXPECT_NE(failure.fileError.find(path), std::string::npos) << failure.fileError;
  EXPECT_NE(failure.fileError.find("No such file"), std::string::npos) << failure.fileError;
}

TEST_F(LogoRasterTest, DirectoryIsAFileError) {
  const auto result = BuildLogoRaster(dir_.path(), LogoPaper::Pos58);
  ASSERT_TRUE(std::holds_alternative<LogoFailure>(result));
  const auto& failure = std::get<LogoFailure>(result);
  EXPECT_TRUE(failure.IsFileError());
  EXPECT_NE(failure.fileError.find("directory"), std::string::npos) << failure.fileError;
}

TEST_F(LogoRasterTest, FifoIsAFileErrorWithoutWaitingForAWriter) {
  const std::string path = dir_.File("pipe.bmp");
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  const auto result = BuildLogoRaster(path, LogoPaper::Pos58);
  ASSERT_TRUE(std::holds_alternative<LogoFailure>(result));
  EXPECT_TRUE(std::get<LogoFailure>(result).IsFileError());
}

}  // namespace
}  // namespace varnex::logo
