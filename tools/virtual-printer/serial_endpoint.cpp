#include "tools/virtual-printer/serial_endpoint.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tools/virtual-printer/serial_line.h"

namespace virtual_printer {
namespace {

constexpr std::size_t kReadSize = 65536;

}  // namespace

std::unique_ptr<SerialEndpoint> SerialEndpoint::Open(Services& services, std::string& error) {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
    error = std::string("cannot create a pty: ") + std::strerror(errno);
    if (master >= 0) {
      ::close(master);
    }
    return nullptr;
  }
  char path[256] = {};
  if (::ptsname_r(master, path, sizeof path) != 0) {
    error = std::string("cannot name the pty: ") + std::strerror(errno);
    ::close(master);
    return nullptr;
  }
  const int slave = ::open(path, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave < 0) {
    error = std::string("cannot open the pty slave ") + path + ": " + std::strerror(errno);
    ::close(master);
    return nullptr;
  }
  ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
  ::fcntl(master, F_SETFD, FD_CLOEXEC);
  // A raw line until the sender sets its own: no echo of the status answer, no CR/LF mapping of
  // the received bytes.
  termios settings{};
  if (::tcgetattr(slave, &settings) == 0) {
    ::cfmakeraw(&settings);
    ::tcsetattr(slave, TCSANOW, &settings);
  }
  return std::unique_ptr<SerialEndpoint>(new SerialEndpoint(master, slave, path, services));
}

SerialEndpoint::SerialEndpoint(int master, int slave, std::string slavePath, Services& services)
    : master_(master),
      slave_(slave),
      slavePath_(std::move(slavePath)),
      services_(services),
      channel_("serial " + slavePath_, services),
      statusQuery_({{0x10, 0x04, 0x01}, {0x1B, 0x76}}) {}

SerialEndpoint::~SerialEndpoint() {
  ::close(slave_);
  ::close(master_);
}

void SerialEndpoint::OnReadable(Clock::time_point now) {
  std::array<std::uint8_t, kReadSize> buffer;
  const ssize_t count = ::read(master_, buffer.data(), buffer.size());
  if (count <= 0) {
    return;  // EAGAIN, or EIO while no slave is open (cannot happen: one is held here)
  }
  const std::span<const std::uint8_t> chunk(buffer.data(), static_cast<std::size_t>(count));
  LogLineSettings();
  channel_.Receive(chunk, now);
  const std::size_t queries = statusQuery_.Feed(chunk);
  for (std::size_t i = 0; i < queries; ++i) {
    const std::uint8_t status = services_.options.statusByte;
    char text[48];
    if (::write(master_, &status, 1) == 1) {
      std::snprintf(text, sizeof text, "status query answered: %02X", status);
    } else {
      std::snprintf(text, sizeof text, "status answer failed: %s", std::strerror(errno));
    }
    channel_.Note(text);
  }
}

// The settings the sender chose for the line, read from the slave side where it set them.
void SerialEndpoint::LogLineSettings() {
  termios settings{};
  if (::tcgetattr(slave_, &settings) != 0) {
    return;
  }
  const std::string line = DescribeSerialLine(settings);
  if (line != lastLine_) {
    lastLine_ = line;
    channel_.Note("serial line: " + line);
  }
}

}  // namespace virtual_printer
