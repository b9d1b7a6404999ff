#include "varnex/receipt/usb_ids.h"

#include <gtest/gtest.h>

#include <string>

namespace varnex::receipt {
namespace {

struct IdCase {
  std::string text;
  std::uint8_t low;
  std::uint8_t high;
};

void PrintTo(const IdCase& c, std::ostream* os) {
  *os << "\"" << c.text << "\"";
}

class UsbIdTest : public testing::TestWithParam<IdCase> {};

TEST_P(UsbIdTest, ProductAndVendorCommandsCarryTheValueBytes) {
  const IdCase& c = GetParam();
  EXPECT_EQ(BuildUsbProductId(c.text), (Bytes{0x1F, 0x1B, 0x16, 0x01, c.low, c.high}));
  EXPECT_EQ(BuildUsbVendorId(c.text), (Bytes{0x1F, 0x1B, 0x16, 0x02, c.low, c.high}));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UsbIdTest,
    testing::Values(IdCase{"5011", 0x11, 0x50},       // one number: low byte first
                    IdCase{"0416", 0x16, 0x04},       //
                    IdCase{"50 11", 0x50, 0x11},      // two numbers: low bytes of each
                    IdCase{"0x50 0x11", 0x50, 0x11},  //
                    IdCase{"", 0x00, 0x00},           // no number
                    IdCase{"zz", 0x00, 0x00},         // not hexadecimal
                    IdCase{" 0x16", 0x16, 0x00},      // white space and prefix before one number
                    IdCase{"1", 0x01, 0x00},          //
                    IdCase{"abCD", 0xCD, 0xAB},       // both cases of digits
                    IdCase{"123 ", 0x23, 0x01},       // trailing white space, no second number
                    IdCase{"12 g", 0x12, 0x00},       // second number not hexadecimal
                    IdCase{"12g3", 0x12, 0x00},       // reading stops at the first non-hex
                    IdCase{"0x", 0x00, 0x00},         // a prefix without digits is the number 0
                    IdCase{"1 2 3", 0x01, 0x02},      // at most two numbers
                    IdCase{"1234 5678", 0x34, 0x78},  // two numbers keep one byte each
                    IdCase{"123456789", 0x89, 0x67}   // a long number keeps its low bytes
                    ));

TEST(UsbIdTest, DefaultsAndLimit) {
  EXPECT_EQ(kDefaultUsbProductIdText, "5011");
  EXPECT_EQ(kDefaultUsbVendorIdText, "0416");
  EXPECT_EQ(kUsbIdTextLimit, 4u);
  EXPECT_EQ(UsbIdValueBytes(kDefaultUsbVendorIdText), (std::array<std::uint8_t, 2>{0x16, 0x04}));
}

}  // namespace
}  // namespace varnex::receipt
