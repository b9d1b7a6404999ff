#include "varnex/receipt/fixed_actions.h"

#include <gtest/gtest.h>

namespace varnex::receipt {
namespace {

struct ActionCase {
  FixedAction action;
  Bytes expected;
};

class FixedActionTest : public testing::TestWithParam<ActionCase> {};

TEST_P(FixedActionTest, SendsItsBytes) {
  EXPECT_EQ(BuildFixedAction(GetParam().action), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Short, FixedActionTest,
    testing::Values(
        ActionCase{FixedAction::SelfTestPage, {0x1F, 0x11, 0x04}},
        ActionCase{FixedAction::RestoreFactorySettings, {0x1F, 0x1B, 0x19}},
        ActionCase{FixedAction::FeedAndCut, {0x0A, 0x1B, 0x40, 0x1D, 0x56, 0x42, 0x10, 0x0A}},
        ActionCase{FixedAction::CashDrawerPulse,
                   {0x0A, 0x1B, 0x70, 0x00, 0x40, 0x50, 0x1B, 0x70, 0x01, 0x40, 0x50, 0x0A}}));

TEST(CodePageTestPrintTest, LayoutByteForByte) {
  const Bytes bytes = BuildFixedAction(FixedAction::CodePageTestPrint);
  ASSERT_EQ(bytes.size(), 278u);
  ASSERT_EQ(bytes.size(), kCodePageTestPrintLength);

  const auto slice = [&bytes](std::size_t from, std::size_t count) {
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                 bytes.begin() + static_cast<std::ptrdiff_t>(from + count));
  };
  Bytes upperHalf;
  for (int value = 0x80; value <= 0xFF; ++value) {
    upperHalf.push_back(static_cast<std::uint8_t>(value));
  }
  EXPECT_EQ(slice(0, 7), (Bytes{0x1B, 0x40, 0x1C, 0x2E, 0x1B, 0x21, 0x00}));
  EXPECT_EQ(slice(7, 128), upperHalf);
  EXPECT_EQ(slice(135, 5), (Bytes{0x0A, 0x0A, 0x1B, 0x21, 0x30}));
  EXPECT_EQ(slice(140, 128), upperHalf);
  EXPECT_EQ(slice(268, 10), (Bytes{0x0A, 0x0A, 0x1B, 0x40, 0x1D, 0x56, 0x42, 0x48, 0x0A, 0x0A}));
}

}  // namespace
}  // namespace varnex::receipt
