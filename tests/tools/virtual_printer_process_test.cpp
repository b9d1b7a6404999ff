// The virtual printer as a process, driven through real sockets, a pty and FIFOs.
#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/usb_devices.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/virtual_printer_process.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// A file descriptor closed at the end of the scope.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

int ConnectTo(const char* host, std::uint16_t port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  ::inet_pton(AF_INET, host, &address.sin_addr);
  if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

void WriteAll(int fd, const Bytes& bytes) {
  ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
}

// One send as the setting tools make it: connect, write, close.
void SendOverTcp(const char* host, const Bytes& bytes) {
  Fd socket(ConnectTo(host, 9100));
  ASSERT_GE(socket.get(), 0) << "cannot connect to " << host;
  WriteAll(socket.get(), bytes);
}

// Reads until `count` bytes, end of file, or two seconds without data.
Bytes ReadUpTo(int fd, std::size_t count) {
  Bytes received;
  while (received.size() < count) {
    pollfd waiting{fd, POLLIN, 0};
    if (::poll(&waiting, 1, 2000) <= 0) {
      break;
    }
    std::uint8_t buffer[256];
    const ssize_t got = ::read(fd, buffer, std::min(sizeof buffer, count - received.size()));
    if (got <= 0) {
      break;
    }
    received.insert(received.end(), buffer, buffer + got);
  }
  return received;
}

Bytes Concat(const std::vector<Bytes>& parts) {
  Bytes all;
  for (const Bytes& part : parts) {
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

bool IsFifo(const fs::path& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

TEST(VirtualPrinterProcess, RecordsAndDecodesEveryTcpConnection) {
  testsupport::VirtualPrinterProcess printer({"--tcp", "127.0.20.1:9100"});
  const std::vector<Bytes> sends = {
      {0x1B, 0x4E, 0x03, 0x01},
      {0x1F, 0x11, 0x08, 0x01, 0x11},  // the Bluetooth name header ...
      {'B', 'l', 'u', 'e', 't', 'o', 'o', 't', 'h', ' ', 'P', 'r', 'i', 'n', 't', 'e', 'r'},
      {0x1F, 0x1B, 0x1D, 0x00, 0xC0, 0xA8, 0x01, 0x64},
  };
  for (const Bytes& send : sends) {
    SendOverTcp("127.0.20.1", send);
  }
  const Bytes expected = Concat(sends);
  EXPECT_EQ(printer.WaitForBytes(expected.size()), expected);
  const std::string log = printer.WaitForLog("IP address: 192.168.1.100");
  EXPECT_NE(log.find("] print mode: Chinese (1B 4E 03 01)\n"), std::string::npos) << log;
  // ... and its text, sent on the next connection, are shown as one command.
  EXPECT_NE(log.find("] Bluetooth name: \"Bluetooth Printer\" (1F 11 08 01 11)\n"),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("] IP address: 192.168.1.100 (1F 1B 1D 00 C0 A8 01 64)\n"), std::string::npos)
      << log;
  EXPECT_NE(log.find("[tcp 127.0.20.1:9100 #4] closed after 8 bytes"), std::string::npos) << log;
}

TEST(VirtualPrinterProcess, ShowsAHeaderWhoseTextNeverCameOnceTheLineIsQuiet) {
  testsupport::VirtualPrinterProcess printer({"--tcp", "127.0.20.6:9100"});
  SendOverTcp("127.0.20.6", {0x1F, 0x11, 0x08, 0x01, 0x11});
  const std::string log = printer.WaitForLog("incomplete");
  EXPECT_NE(log.find("] Bluetooth name: \"\" (incomplete: 0 of 17 bytes) (1F 11 08 01 11)\n"),
            std::string::npos)
      << log;
  // The next connection starts afresh.
  SendOverTcp("127.0.20.6", {'C', 'L', 'S', '\r', '\n'});
  EXPECT_NE(printer.WaitForLog("text: CLS").find("[tcp 127.0.20.6:9100 #2] text: CLS\n"),
            std::string::npos);
}

TEST(VirtualPrinterProcess, AnswersTheNetworkQueryWithEighteenBytes) {
  testsupport::VirtualPrinterProcess printer(
      {"--tcp", "127.0.20.2:9100", "--net",
       "127.0.20.5,255.255.255.0,127.0.20.1,02:03:04:0a:fd:09"});
  Fd socket(ConnectTo("127.0.20.2", 9100));
  ASSERT_GE(socket.get(), 0);
  WriteAll(socket.get(), {0x10, 0x04, 0x13});
  const Bytes answer = ReadUpTo(socket.get(), 18);
  EXPECT_EQ(answer, (Bytes{127, 0, 20, 5, 255, 255, 255, 0, 127, 0, 20, 1, 0x02, 0x03, 0x04, 0x0A,
                           0xFD, 0x09}));
  // Nothing follows the answer: once we stop sending, the printer closes the connection.
  ::shutdown(socket.get(), SHUT_WR);
  EXPECT_TRUE(ReadUpTo(socket.get(), 1).empty());
  EXPECT_NE(printer.WaitForLog("network query answered: 18 bytes").find("answered: 18 bytes"),
            std::string::npos);
}

TEST(VirtualPrinterProcess, DoesNotAnswerTheNetworkQueryWithoutNet) {
  testsupport::VirtualPrinterProcess printer({"--tcp", "127.0.20.3:9100"});
  Fd socket(ConnectTo("127.0.20.3", 9100));
  ASSERT_GE(socket.get(), 0);
  WriteAll(socket.get(), {0x10, 0x04, 0x13});
  ::shutdown(socket.get(), SHUT_WR);
  EXPECT_TRUE(ReadUpTo(socket.get(), 18).empty());
  EXPECT_NE(
      printer.WaitForLog("network parameter query").find("network parameter query (10 04 13)"),
      std::string::npos);
}

TEST(VirtualPrinterProcess, ReadsThePtyAndLogsItsLineSettings) {
  testsupport::VirtualPrinterProcess printer({"--serial"});
  ASSERT_TRUE(printer.serialPath().starts_with("/dev/pts/")) << printer.serialPath();
  Fd slave(::open(printer.serialPath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
  ASSERT_GE(slave.get(), 0);
  termios settings{};
  ASSERT_EQ(::tcgetattr(slave.get(), &settings), 0);
  cfmakeraw(&settings);
  settings.c_cflag = (settings.c_cflag & ~(CSIZE | PARENB | CSTOPB | CRTSCTS)) | CS8;
  cfsetispeed(&settings, B38400);
  cfsetospeed(&settings, B38400);
  ASSERT_EQ(::tcsetattr(slave.get(), TCSANOW, &settings), 0);

  const Bytes sent = {0x1F, 0x1B, 0x11, 0x00, 0x0A, 0x0D};
  WriteAll(slave.get(), sent);
  EXPECT_EQ(printer.WaitForBytes(sent.size()), sent) << "no byte is changed on the way";
  const std::string log = printer.WaitForLog("buzzer: OFF");
  EXPECT_NE(log.find("] serial line: 38400 8N1\n"), std::string::npos) << log;
  EXPECT_NE(log.find("] buzzer: OFF (1F 1B 11 00)\n"), std::string::npos) << log;
}

TEST(VirtualPrinterProcess, AnswersBothStatusRequestsOnThePty) {
  testsupport::VirtualPrinterProcess printer({"--serial", "--status", "0C"});
  Fd slave(::open(printer.serialPath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
  ASSERT_GE(slave.get(), 0);
  termios settings{};
  ASSERT_EQ(::tcgetattr(slave.get(), &settings), 0);
  cfmakeraw(&settings);
  ASSERT_EQ(::tcsetattr(slave.get(), TCSANOW, &settings), 0);

  WriteAll(slave.get(), {0x10, 0x04, 0x01});
  EXPECT_EQ(ReadUpTo(slave.get(), 1), (Bytes{0x0C}));
  WriteAll(slave.get(), {0x1B, 0x76});
  EXPECT_EQ(ReadUpTo(slave.get(), 1), (Bytes{0x0C}));
  EXPECT_EQ(printer.WaitForBytes(5), (Bytes{0x10, 0x04, 0x01, 0x1B, 0x76}));
  EXPECT_NE(printer.WaitForLog("status query answered: 0C").find("status query answered: 0C"),
            std::string::npos);
}

TEST(VirtualPrinterProcess, ReadsAFifoAndRemovesItAtTheEnd) {
  testsupport::ScratchDir scratch;
  const std::string fifo = scratch.File("lpt1");
  {
    testsupport::VirtualPrinterProcess printer({"--fifo", fifo});
    ASSERT_TRUE(IsFifo(fifo));
    for (const Bytes& send : {Bytes{0x1F, 0x11, 0x04}, Bytes{'C', 'L', 'S', '\r', '\n'}}) {
      Fd writer(::open(fifo.c_str(), O_WRONLY | O_CLOEXEC));
      ASSERT_GE(writer.get(), 0);
      WriteAll(writer.get(), send);
    }
    EXPECT_EQ(printer.WaitForBytes(8), (Bytes{0x1F, 0x11, 0x04, 'C', 'L', 'S', '\r', '\n'}));
    const std::string log = printer.WaitForLog("text: CLS");
    EXPECT_NE(log.find("[fifo " + fifo + "] self-test page (1F 11 04)\n"), std::string::npos)
        << log;
  }
  EXPECT_FALSE(fs::exists(fs::symlink_status(fifo)));
}

TEST(VirtualPrinterProcess, ServesAUsbPrinterInAFakeDeviceTree) {
  testsupport::ScratchDir scratch;
  const fs::path root = fs::path(scratch.path()) / "tree";
  {
    testsupport::VirtualPrinterProcess printer(
        {"--usb-tree", root.string(), "--vid", "0416", "--pid", "5011"});
    EXPECT_TRUE(fs::exists(root / "sys/devices/usb1/1-1/idVendor"));
    EXPECT_TRUE(fs::is_symlink(root / "sys/bus/usb/devices/1-1"));
    EXPECT_TRUE(fs::is_symlink(root / "sys/bus/usb/devices/1-1:1.0"));
    EXPECT_TRUE(fs::is_symlink(root / "sys/devices/usb1/1-1/1-1:1.0/usbmisc/lp0/device"));
    EXPECT_TRUE(fs::is_symlink(root / "sys/class/usbmisc/lp0"));
    ASSERT_TRUE(IsFifo(root / "dev/usb/lp0"));
    const auto printers =
        platform::PresentUsbPrinterInterfaces((root / "sys").string(), (root / "dev").string());
    ASSERT_EQ(printers.size(), 1u);
    EXPECT_EQ(printers[0].vendorId, "0416");
    EXPECT_EQ(printers[0].productId, "5011");

    Fd node(::open(printers[0].devicePath.c_str(), O_WRONLY | O_CLOEXEC));
    ASSERT_GE(node.get(), 0);
    WriteAll(node.get(), {0x1F, 0x1B, 0x12, 0x01});
    EXPECT_EQ(printer.WaitForBytes(4), (Bytes{0x1F, 0x1B, 0x12, 0x01}));
    EXPECT_NE(printer.WaitForLog("cutter: ON").find("cutter: ON (1F 1B 12 01)"), std::string::npos);
  }
  EXPECT_FALSE(fs::exists(root)) << "the tree goes when the printer stops";
}

TEST(VirtualPrinterProcess, StartFailsQuicklyWhenTheAddressIsTaken) {
  testsupport::VirtualPrinterProcess first({"--tcp", "127.0.20.4:9100"});
  EXPECT_THROW(testsupport::VirtualPrinterProcess({"--tcp", "127.0.20.4:9100"}),
               std::runtime_error);
}

}  // namespace
