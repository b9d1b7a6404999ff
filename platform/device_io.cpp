#include "platform/device_io.h"

#include "platform/bounded_write.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace platform {
namespace {

struct BaudSpeed {
  int baud;
  speed_t speed;
};

constexpr BaudSpeed kSpeeds[] = {
    {1200, B1200},     {2400, B2400},     {4800, B4800},     {9600, B9600},
    {19200, B19200},   {38400, B38400},   {57600, B57600},   {115200, B115200},
    {230400, B230400}, {460800, B460800}, {921600, B921600},
};

FileHandle OpenNode(const std::string& devicePath, int flags) {
  if (devicePath.empty()) {
    errno = ENOENT;
    return FileHandle();
  }
  return FileHandle(::open(devicePath.c_str(), flags | O_NOCTTY | O_CLOEXEC | O_NONBLOCK));
}

}  // namespace

int BaudFromSpeed(unsigned speed) {
  for (const BaudSpeed& entry : kSpeeds) {
    if (entry.speed == speed) {
      return entry.baud;
    }
  }
  return 0;
}

unsigned SpeedFromBaud(int baud) {
  for (const BaudSpeed& entry : kSpeeds) {
    if (entry.baud == baud) {
      return entry.speed;
    }
  }
  return B9600;
}

FileHandle OpenSerialPort(const std::string& devicePath, int baud) {
  FileHandle handle = OpenNode(devicePath, O_RDWR);
  if (!handle.valid()) {
    return handle;
  }
  termios settings{};
  if (tcgetattr(handle.get(), &settings) != 0) {
    return FileHandle();
  }
  cfmakeraw(&settings);
  settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
  settings.c_cflag |= CS8 | CREAD | CLOCAL | CRTSCTS;
  settings.c_cc[VMIN] = 0;
  settings.c_cc[VTIME] = 0;
  cfsetispeed(&settings, SpeedFromBaud(baud));
  cfsetospeed(&settings, SpeedFromBaud(baud));
  if (tcsetattr(handle.get(), TCSANOW, &settings) != 0) {
    return FileHandle();
  }
  // Best effort: a pty answers ENOTTY here and keeps working.
  int dtr = TIOCM_DTR;
  int rts = TIOCM_RTS;
  ::ioctl(handle.get(), TIOCMBIC, &dtr);
  ::ioctl(handle.get(), TIOCMBIS, &rts);
  return handle;
}

bool ReadSerialLineSettings(int fd, SerialLineSettings& settings) {
  termios current{};
  if (tcgetattr(fd, &current) != 0) {
    return false;
  }
  settings.baud = BaudFromSpeed(cfgetospeed(&current));
  switch (current.c_cflag & CSIZE) {
    case CS5:
      settings.dataBits = 5;
      break;
    case CS6:
      settings.dataBits = 6;
      break;
    case CS7:
      settings.dataBits = 7;
      break;
    default:
      settings.dataBits = 8;
      break;
  }
  settings.parity = (current.c_cflag & PARENB) != 0;
  settings.stopBits = (current.c_cflag & CSTOPB) != 0 ? 2 : 1;
  settings.ctsFlow = (current.c_cflag & CRTSCTS) != 0;
  return true;
}

FileHandle OpenParallelPort(const std::string& devicePath) {
  return OpenNode(devicePath, O_WRONLY);
}

FileHandle OpenUsbPrinter(const std::string& devicePath) {
  return OpenNode(devicePath, O_RDWR);
}

WriteStatus WriteAll(int fd, const std::uint8_t* data, std::size_t size,
                     std::chrono::milliseconds bound) {
  return detail::WriteWithin(fd, data, size, bound, [fd](const std::uint8_t* from, std::size_t n) {
    return ::write(fd, from, n);
  });
}

std::chrono::milliseconds WriteBound(std::size_t size, int bytesPerSecond) {
  const auto perSecond = static_cast<std::size_t>(bytesPerSecond > 0 ? bytesPerSecond : 1);
  return std::chrono::milliseconds(5000 + 2 * (size * 1000 / perSecond));
}

}  // namespace platform
