#include "varnex/logo/dot_rows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace varnex::logo {
namespace {

bool ModelPrints(int red, int green, int blue) {
  return (299 * red + 587 * green + 114 * blue) / 1000 < 128;
}

TEST(DotRowsTest, EveryColourPrintsExactlyWhenItsLuminanceIsBelow128) {
  // One row of 256 pixels a red and green pair, blue running 0 to 255: all 2^24 colours.
  std::vector<std::uint8_t> row(3 * 256);
  std::vector<std::uint8_t> dots(32);
  int wrong = 0;
  for (int red = 0; red < 256; ++red) {
    for (int green = 0; green < 256; ++green) {
      for (int blue = 0; blue < 256; ++blue) {
        row[3 * blue] = static_cast<std::uint8_t>(blue);
        row[3 * blue + 1] = static_cast<std::uint8_t>(green);
        row[3 * blue + 2] = static_cast<std::uint8_t>(red);
      }
      PackPrintingDots24(row.data(), 256, dots.data());
      for (int blue = 0; blue < 256; ++blue) {
        const bool prints = (dots[blue / 8] >> (7 - blue % 8)) & 1;
        if (prints != ModelPrints(red, green, blue) ||
            DotPrints(static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                      static_cast<std::uint8_t>(blue)) != prints) {
          ADD_FAILURE() << "red " << red << " green " << green << " blue " << blue;
          if (++wrong > 10) {
            return;
          }
        }
      }
    }
  }
}

class DotRowsWidthTest : public ::testing::TestWithParam<int> {};

TEST_P(DotRowsWidthTest, PacksEveryWidthAndLeavesBitsRightOfTheRowClear) {
  // Widths around the groups the row is taken in; the bytes after the row must not be read.
  const int width = GetParam();
  std::mt19937 random(static_cast<unsigned>(width));
  std::vector<std::uint8_t> row(static_cast<std::size_t>(3 * width));
  for (auto& byte : row) {
    byte = static_cast<std::uint8_t>(random());
  }
  std::vector<std::uint8_t> dots(static_cast<std::size_t>((width + 7) / 8), 0xA5);
  PackPrintingDots24(row.data(), width, dots.data());
  std::vector<std::uint8_t> expected(dots.size(), 0);
  for (int c = 0; c < width; ++c) {
    if (ModelPrints(row[3 * c + 2], row[3 * c + 1], row[3 * c])) {
      expected[c / 8] |= static_cast<std::uint8_t>(0x80 >> (c % 8));
    }
  }
  EXPECT_EQ(dots, expected);
}

INSTANTIATE_TEST_SUITE_P(Widths, DotRowsWidthTest,
                         ::testing::Values(1, 7, 8, 9, 31, 32, 33, 63, 64, 65, 100, 575, 576));

TEST(DotRowsTest, EightBitRowsFollowThePalette) {
  std::array<bool, 256> entryPrints{};
  entryPrints[3] = true;
  entryPrints[200] = true;
  const std::vector<std::uint8_t> row{3, 0, 200, 199, 4, 3, 3, 255, 200, 1};
  std::vector<std::uint8_t> dots(2, 0xFF);
  PackPrintingDots8(row.data(), static_cast<int>(row.size()), entryPrints, dots.data());
  EXPECT_EQ(dots, (std::vector<std::uint8_t>{0xA6, 0x80}));
}

}  // namespace
}  // namespace varnex::logo
