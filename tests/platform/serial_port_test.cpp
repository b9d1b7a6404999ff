#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <thread>

#include "platform/device_io.h"
#include "tests/support/scratch_dir.h"

namespace {

// A pty pair: the master stands in for the printer end of a serial cable.
struct Pty {
  Pty() {
    master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ::grantpt(master);
    ::unlockpt(master);
    slavePath = ::ptsname(master);
  }
  ~Pty() { ::close(master); }
  int master;
  std::string slavePath;
};

TEST(SerialPort, OpensRaw8N1WithCtsAtTheChosenBaud) {
  for (const int baud : {1200, 9600, 38400, 115200}) {
    Pty pty;
    platform::FileHandle port = platform::OpenSerialPort(pty.slavePath, baud);
    ASSERT_TRUE(port.valid()) << baud;
    platform::SerialLineSettings settings;
    ASSERT_TRUE(platform::ReadSerialLineSettings(port.get(), settings));
    EXPECT_EQ(settings.baud, baud);
    EXPECT_EQ(settings.dataBits, 8);
    EXPECT_FALSE(settings.parity);
    EXPECT_EQ(settings.stopBits, 1);
    EXPECT_TRUE(settings.ctsFlow);
  }
}

TEST(SerialPort, MissingDeviceGivesInvalidHandle) {
  EXPECT_FALSE(platform::OpenSerialPort("/nonexistent/ttyS99", 9600).valid());
  EXPECT_FALSE(platform::OpenSerialPort("", 9600).valid());
  EXPECT_FALSE(platform::OpenParallelPort("/nonexistent/lp0").valid());
  EXPECT_FALSE(platform::OpenUsbPrinter("/nonexistent/usb/lp0").valid());
}

TEST(WriteAll, WritesEveryByteAcrossPartialWrites) {
  testsupport::ScratchDir dir;
  const std::string fifo = dir.File("node");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  platform::FileHandle writer = platform::OpenUsbPrinter(fifo);
  ASSERT_TRUE(writer.valid());
  // More than a pipe holds, so the writer must wait for the reader and continue.
  std::vector<std::uint8_t> data(200000);
  for (std::size_t i = 0; i < data.size(); ++i) {
    data[i] = static_cast<std::uint8_t>(i * 7);
  }
  std::vector<std::uint8_t> received;
  std::thread drain([&] {
    std::uint8_t buffer[4096];
    while (received.size() < data.size()) {
      const ssize_t n = ::read(reader, buffer, sizeof buffer);
      if (n > 0) {
        received.insert(received.end(), buffer, buffer + n);
      } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
    }
  });
  EXPECT_EQ(platform::WriteAll(writer.get(), data.data(), data.size(), std::chrono::seconds(20)),
            platform::WriteStatus::Complete);
  drain.join();
  ::close(reader);
  EXPECT_EQ(received, data);
}

TEST(WriteAll, DeviceThatStopsTakingDataTimesOut) {
  testsupport::ScratchDir dir;
  const std::string fifo = dir.File("node");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  platform::FileHandle writer = platform::OpenUsbPrinter(fifo);  // nobody ever reads
  ASSERT_TRUE(writer.valid());
  const std::vector<std::uint8_t> data(1 << 20, 0x55);
  EXPECT_EQ(
      platform::WriteAll(writer.get(), data.data(), data.size(), std::chrono::milliseconds(50)),
      platform::WriteStatus::TimedOut);
}

TEST(WriteAll, ClosedPipeFails) {
  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  ::close(pipeEnds[0]);
  std::signal(SIGPIPE, SIG_IGN);
  const std::uint8_t byte = 0x1B;
  EXPECT_EQ(platform::WriteAll(pipeEnds[1], &byte, 1, std::chrono::seconds(1)),
            platform::WriteStatus::Failed);
  ::close(pipeEnds[1]);
}

}  // namespace
