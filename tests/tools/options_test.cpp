#include "tools/virtual-printer/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace virtual_printer {
namespace {

using Arguments = std::vector<std::string>;

TEST(Options, ReadsEveryChannelAndAnswer) {
  const ParseResult parsed = ParseOptions(
      {"--tcp", "127.0.20.1:9100", "--tcp", "127.0.20.2:0", "--serial", "--fifo", "/tmp/a",
       "--usb-tree", "/tmp/tree", "--vid", "0416", "--pid", "0x5011", "--record", "/tmp/r.bin",
       "--net", "127.0.20.5,255.255.255.0,127.0.20.1,02:03:04:0a:fd:09", "--status", "0C"});
  ASSERT_EQ(parsed.error, "");
  const Options& options = parsed.options;
  ASSERT_EQ(options.tcp.size(), 2u);
  EXPECT_EQ(options.tcp[0].host, "127.0.20.1");
  EXPECT_EQ(options.tcp[0].port, 9100);
  EXPECT_EQ(options.tcp[1].port, 0);
  EXPECT_TRUE(options.serial);
  EXPECT_EQ(options.fifos, (Arguments{"/tmp/a"}));
  ASSERT_TRUE(options.usbTree.has_value());
  EXPECT_EQ(options.usbTree->root, "/tmp/tree");
  EXPECT_EQ(options.usbTree->vendorId, 0x0416u);
  EXPECT_EQ(options.usbTree->productId, 0x5011u);
  EXPECT_EQ(options.recordPath, "/tmp/r.bin");
  EXPECT_EQ(options.statusByte, 0x0C);
  EXPECT_EQ(options.networkAnswer,
            (std::vector<std::uint8_t>{127, 0, 20, 5, 255, 255, 255, 0, 127, 0, 20, 1, 0x02, 0x03,
                                       0x04, 0x0A, 0xFD, 0x09}));
}

TEST(Options, StatusDefaultsToOnline) {
  const ParseResult parsed = ParseOptions({"--serial"});
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.options.statusByte, 0x00);
  EXPECT_FALSE(parsed.options.networkAnswer.has_value());
}

TEST(Options, HelpNeedsNothingElse) {
  EXPECT_TRUE(ParseOptions({"--help"}).options.help);
}

struct BadCase {
  Arguments arguments;
  const char* errorPart;
};

class OptionsRefused : public testing::TestWithParam<BadCase> {};

TEST_P(OptionsRefused, WithAMessage) {
  const ParseResult parsed = ParseOptions(GetParam().arguments);
  EXPECT_NE(parsed.error.find(GetParam().errorPart), std::string::npos) << parsed.error;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OptionsRefused,
    testing::Values(
        BadCase{{}, "nothing to listen on"},
        BadCase{{"--record", "/tmp/x"}, "nothing to listen on"},
        BadCase{{"--bogus"}, "unknown option --bogus"}, BadCase{{"--tcp"}, "--tcp needs a value"},
        BadCase{{"--tcp", "127.0.20.1"}, "--tcp expects"},
        BadCase{{"--tcp", "localhost:9100"}, "--tcp expects"},
        BadCase{{"--tcp", "127.0.20.1:70000"}, "--tcp expects"},
        BadCase{{"--usb-tree", "/tmp/t", "--vid", "0416"}, "needs --vid and --pid"},
        BadCase{{"--serial", "--vid", "0416"}, "belong to --usb-tree"},
        BadCase{{"--usb-tree", "/tmp/t", "--vid", "12345", "--pid", "1"}, "--vid"},
        BadCase{{"--serial", "--status", "100"}, "--status"},
        BadCase{{"--serial", "--status", "zz"}, "--status"},
        BadCase{{"--serial", "--net", "1.2.3.4,255.0.0.0,1.2.3.1"}, "--net"},
        BadCase{{"--serial", "--net", "1.2.3.4,255.0.0.0,1.2.3.1,02:03:04:0a:fd"}, "--net"},
        BadCase{{"--serial", "--net", "1.2.3,255.0.0.0,1.2.3.1,02:03:04:0a:fd:09"}, "--net"},
        BadCase{{"--serial", "--net", "1.2.3.4,255.0.0.0,1.2.3.1,02:03:04:0a:fd:9g"}, "--net"}));

TEST(Options, UsageNamesEveryOption) {
  const std::string usage = UsageText();
  for (const char* option : {"--tcp ADDR:PORT", "--serial", "--fifo PATH", "--usb-tree DIR",
                             "--vid HHHH", "--pid HHHH", "--record FILE", "--net IP,MASK,GW,MAC",
                             "--status HH", "--help", "virtual-printer ready"}) {
    EXPECT_NE(usage.find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace virtual_printer
