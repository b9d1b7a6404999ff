#include <gtest/gtest.h>

#include "varnex/link/usb_acceptance.h"

namespace {

using varnex::link::UsbIdPair;
using Devices = std::vector<platform::UsbDeviceRecord>;

TEST(UsbAcceptance, TableHoldsTwentyFivePairs) {
  EXPECT_EQ(varnex::link::AcceptedUsbIds().size(), 25u);
}

TEST(UsbAcceptance, PairsAcceptedOnlyAsListed) {
  struct Case {
    const char* vendor;
    const char* product;
    bool accepted;
  };
  const Case cases[] = {
      {"0416", "5011", true},  {"0416", "aabb", true},
      {"0493", "8760", true},  {"0416", "8760", false},  // that product only with vendor 0493
      {"0fe6", "811e", true},                            // sysfs writes lower case
      {"0FE6", "811C", true},  {"04b8", "0e20", true},
      {"1fc9", "2016", true},  {"1d6b", "0002", false},  // a root hub
      {"0483", "5742", false},
  };
  for (const Case& c : cases) {
    const UsbIdPair pair = varnex::link::UsbIdPairOf(c.vendor, c.product);
    EXPECT_EQ(varnex::link::IsAcceptedUsbId(pair), c.accepted) << c.vendor << ":" << c.product;
  }
}

TEST(UsbAcceptance, FirstAcceptedDeviceInBusOrderWins) {
  const Devices devices = {
      {"1-1", "1d6b", "0002"},
      {"1-2", "0483", "5740"},
      {"1-3", "0416", "5011"},
  };
  EXPECT_EQ(varnex::link::FindUsbPrinter(devices), (UsbIdPair{"VID_0483", "PID_5740"}));
  EXPECT_FALSE(varnex::link::FindUsbPrinter({{"1-1", "1d6b", "0002"}}).has_value());
  EXPECT_FALSE(varnex::link::FindUsbPrinter({}).has_value());
}

TEST(UsbAcceptance, InterfaceOfTheFoundPairIsUsed) {
  const std::vector<platform::UsbPrinterInterface> interfaces = {
      {"/dev/usb/lp0", "0416", "5011"},
      {"/dev/usb/lp1", "0483", "5740"},
      {"/dev/usb/lp2", "0483", "5740"},
  };
  EXPECT_EQ(varnex::link::FindDeviceInterfacePath(interfaces, {"VID_0483", "PID_5740"}),
            "/dev/usb/lp1");
  EXPECT_FALSE(
      varnex::link::FindDeviceInterfacePath(interfaces, {"VID_0FE6", "PID_811C"}).has_value());
}

}  // namespace
