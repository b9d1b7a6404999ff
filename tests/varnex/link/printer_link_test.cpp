#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/sleeper.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/virtual_printer_process.h"
#include "tools/virtual-printer/fake_usb_tree.h"
#include "varnex/link/printer_link.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using varnex::link::BarInputs;
using varnex::link::HandleState;

// Addresses of this file's tests: 127.0.1.x, one per test.
constexpr std::uint32_t Loopback(std::uint8_t last) {
  return 0x7F000100u | last;
}

class RecordingReporter : public varnex::link::LinkReporter {
 public:
  void ShowMessage(int stringId) override { messages.push_back(stringId); }
  void ConnectionDropped() override { ++drops; }
  std::vector<int> messages;
  int drops = 0;
};

class PrinterLinkTest : public ::testing::Test {
 protected:
  bool Send(const BarInputs& inputs, const Bytes& bytes) {
    return link.Send(inputs, bytes.data(), static_cast<std::int32_t>(bytes.size()));
  }

  RecordingReporter reporter;
  platform::RecordingSleeper sleeper;
  varnex::link::PrinterLink link{reporter, sleeper};
  testsupport::ScratchDir dir;
};

const Bytes kPrintMode = {0x1B, 0x4E, 0x03, 0x01};

TEST_F(PrinterLinkTest, EthernetConnectSendDisconnect) {
  testsupport::VirtualPrinterProcess printer({"--tcp", "127.0.1.1:9100"});
  const BarInputs inputs{"Ethernet", "115200", Loopback(1)};

  ASSERT_TRUE(link.Connect(inputs));
  EXPECT_TRUE(link.connected());
  EXPECT_EQ(link.handleState(), HandleState::None);
  EXPECT_TRUE(Send(inputs, kPrintMode));
  EXPECT_EQ(printer.WaitForBytes(4), kPrintMode);
  // 100 ms after the connect check and after the send, before each socket closes.
  EXPECT_EQ(sleeper.pauses, (std::vector<std::chrono::milliseconds>{
                                std::chrono::milliseconds(100), std::chrono::milliseconds(100)}));
  link.Disconnect();
  EXPECT_FALSE(link.connected());
  EXPECT_EQ(link.handleState(), HandleState::Invalid);
  EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(PrinterLinkTest, EthernetFailuresShowTheirMessagesAndStayDisconnected) {
  // Nothing listens on 127.0.1.2; address 0 is refused before any traffic.
  EXPECT_FALSE(link.Connect({"Ethernet", "115200", 0}));
  EXPECT_FALSE(link.Connect({"Ethernet", "115200", Loopback(2)}));
  EXPECT_EQ(reporter.messages, (std::vector<int>{186, 187}));
  EXPECT_FALSE(link.connected());
}

TEST_F(PrinterLinkTest, SocketThatCannotBeCreatedShows185) {
  // Under a small descriptor limit, with every free descriptor taken, socket() fails (EMFILE).
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
  rlimit tight = saved;
  tight.rlim_cur = std::min<rlim_t>(256, saved.rlim_max);
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
  std::vector<int> taken;
  for (int fd = ::dup(STDIN_FILENO); fd >= 0; fd = ::dup(STDIN_FILENO)) {
    taken.push_back(fd);
  }
  const bool connected = link.Connect({"Ethernet", "115200", Loopback(6)});
  for (int fd : taken) {
    ::close(fd);
  }
  ::setrlimit(RLIMIT_NOFILE, &saved);
  EXPECT_FALSE(connected);
  EXPECT_EQ(reporter.messages, std::vector<int>{185});
}

TEST_F(PrinterLinkTest, EthernetPrinterGoneAfterConnectShows187AndStaysConnected) {
  const BarInputs inputs{"Ethernet", "115200", Loopback(3)};
  {
    testsupport::VirtualPrinterProcess printer({"--tcp", "127.0.1.3:9100"});
    ASSERT_TRUE(link.Connect(inputs));
  }
  EXPECT_FALSE(Send(inputs, kPrintMode));
  EXPECT_EQ(reporter.messages, std::vector<int>{187});
  EXPECT_TRUE(link.connected());
}

TEST_F(PrinterLinkTest, ZeroLengthSendMakesAConnectionAndWritesNothing) {
  testsupport::VirtualPrinterProcess printer({"--tcp", "127.0.1.4:9100"});
  const BarInputs inputs{"Ethernet", "115200", Loopback(4)};
  ASSERT_TRUE(link.Connect(inputs));
  EXPECT_TRUE(link.Send(inputs, nullptr, 0));
  EXPECT_TRUE(Send(inputs, {0x0A}));
  EXPECT_EQ(printer.WaitForBytes(1), Bytes{0x0A});
  EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(PrinterLinkTest, SendWhileDisconnectedShows184TwiceAndWritesNothing) {
  testsupport::VirtualPrinterProcess printer({"--tcp", "127.0.1.5:9100"});
  const BarInputs inputs{"Ethernet", "115200", Loopback(5)};
  EXPECT_FALSE(Send(inputs, kPrintMode));
  EXPECT_EQ(link.handleState(), HandleState::None);
  EXPECT_FALSE(Send(inputs, kPrintMode));
  EXPECT_EQ(reporter.messages, (std::vector<int>{184, 184}));
  EXPECT_TRUE(printer.Received().empty());
}

TEST_F(PrinterLinkTest, MappedComPortOpensAtTheChosenBaud8N1) {
  testsupport::VirtualPrinterProcess printer({"--serial"});
  testsupport::ScopedEnv map("PRINTER_TOOLS_PORT_MAP", "COM7=" + printer.serialPath());
  const BarInputs inputs{"COM7", "38400", 0};

  ASSERT_TRUE(link.Connect(inputs));
  EXPECT_EQ(link.handleState(), HandleState::None);
  EXPECT_TRUE(Send(inputs, kPrintMode));
  EXPECT_EQ(printer.WaitForBytes(4), kPrintMode);
  EXPECT_NE(printer.WaitForLog("serial line: 38400 8N1").find("serial line: 38400 8N1"),
            std::string::npos);
}

TEST_F(PrinterLinkTest, SerialOrParallelPortThatCannotOpenShows183) {
  testsupport::ScopedEnv map("PRINTER_TOOLS_PORT_MAP",
                             "COM9=" + dir.File("missing") + ";LPT2=" + dir.File("missing"));
  EXPECT_FALSE(link.Connect({"COM9", "9600", 0}));
  EXPECT_FALSE(link.Connect({"LPT2", "9600", 0}));
  EXPECT_EQ(reporter.messages, (std::vector<int>{183, 183}));
  EXPECT_EQ(link.handleState(), HandleState::None);
}

TEST_F(PrinterLinkTest, ParallelPortThroughAFifo) {
  const std::string node = dir.File("lp0");
  testsupport::VirtualPrinterProcess printer({"--fifo", node});
  testsupport::ScopedEnv map("PRINTER_TOOLS_PORT_MAP", "LPT1=" + node);
  const BarInputs inputs{"LPT1", "115200", 0};
  ASSERT_TRUE(link.Connect(inputs));
  EXPECT_TRUE(Send(inputs, kPrintMode));
  EXPECT_EQ(printer.WaitForBytes(4), kPrintMode);
}

// True when one of this process's descriptors refers to the file.
bool ProcessHoldsOpen(const std::string& path) {
  std::error_code error;
  for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd", error)) {
    std::error_code linkError;
    if (std::filesystem::read_symlink(fd.path(), linkError) == path) {
      return true;
    }
  }
  return false;
}

// A fake sysfs/dev tree in the test's directory, with the link pointed at it.
class UsbLinkTest : public PrinterLinkTest {
 protected:
  void Add(const std::string& sysName, unsigned vendor, unsigned product, std::optional<int> lp) {
    const auto result =
        virtual_printer::AddFakeUsbDevice(dir.path(), {sysName, vendor, product, lp});
    ASSERT_TRUE(result.error.empty()) << result.error;
  }
  std::string Node(int lp) const { return dir.File("dev/usb/lp" + std::to_string(lp)); }

  testsupport::ScopedEnv sysfs{"PRINTER_TOOLS_SYSFS_ROOT", dir.File("sys")};
  testsupport::ScopedEnv dev{"PRINTER_TOOLS_DEV_ROOT", dir.File("dev")};
  const BarInputs usb{"USB", "115200", 0};
};

TEST_F(UsbLinkTest, FirstAcceptedDeviceAndItsInterfaceAreUsed) {
  Add("1-1", 0x1d6b, 0x0002, std::nullopt);  // a hub, not a printer
  Add("1-2", 0x0fe6, 0x811e, 1);             // lower-case ids in sysfs
  Add("1-3", 0x0416, 0x5011, 0);
  ASSERT_TRUE(link.Connect(usb));
  EXPECT_EQ(link.usbDevicePath(), Node(1));
  EXPECT_EQ(link.handleState(), HandleState::None);
  // The USB printer driver allows one open at a time: the connect check must not keep it.
  EXPECT_FALSE(ProcessHoldsOpen(Node(1)));
}

TEST_F(UsbLinkTest, RefusedPairsOrMissingInterfaceGive184) {
  Add("1-1", 0x0416, 0x8760, 0);  // that product is accepted only with vendor 0493
  EXPECT_FALSE(link.Connect(usb));
  // An accepted device without a printer interface decides, although a second one has one.
  Add("1-2", 0x0493, 0x8760, std::nullopt);
  Add("1-3", 0x0416, 0x5011, 2);
  EXPECT_FALSE(link.Connect(usb));
  EXPECT_EQ(reporter.messages, (std::vector<int>{184, 184}));
  EXPECT_FALSE(link.connected());
}

TEST_F(UsbLinkTest, SendWritesToTheNodeAndARemovedNodeDropsTheConnection) {
  Add("1-1", 0x0416, 0x5011, 0);
  const int reader = ::open(Node(0).c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_TRUE(link.Connect(usb));
  EXPECT_TRUE(Send(usb, kPrintMode));
  EXPECT_EQ(link.handleState(), HandleState::None);
  Bytes received(16);
  received.resize(static_cast<std::size_t>(::read(reader, received.data(), received.size())));
  EXPECT_EQ(received, kPrintMode);
  ::close(reader);

  std::filesystem::remove(Node(0));
  EXPECT_FALSE(Send(usb, kPrintMode));
  EXPECT_FALSE(link.connected());
  EXPECT_EQ(reporter.drops, 1);
  EXPECT_FALSE(Send(usb, kPrintMode));
  EXPECT_EQ(reporter.messages, (std::vector<int>{184, 184}));
}

TEST_F(UsbLinkTest, DeviceThatFailedToOpenAtConnectShows183ThenOpensAgain) {
  Add("1-1", 0x0416, 0x5011, 0);
  std::filesystem::remove(Node(0));
  ASSERT_TRUE(link.Connect(usb));  // connected; the failed open shows at the first send
  EXPECT_EQ(link.handleState(), HandleState::Invalid);
  EXPECT_FALSE(Send(usb, kPrintMode));
  EXPECT_EQ(reporter.messages, std::vector<int>{183});
  EXPECT_EQ(link.handleState(), HandleState::None);
  EXPECT_TRUE(link.connected());

  ASSERT_EQ(::mkfifo(Node(0).c_str(), 0600), 0);
  const int reader = ::open(Node(0).c_str(), O_RDONLY | O_NONBLOCK);
  EXPECT_TRUE(Send(usb, kPrintMode));
  Bytes received(16);
  received.resize(static_cast<std::size_t>(::read(reader, received.data(), received.size())));
  EXPECT_EQ(received, kPrintMode);
  ::close(reader);
}

}  // namespace
