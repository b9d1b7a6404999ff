#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/file_handle.h"

namespace platform {

// Opens a serial device raw at the given baud rate: 8 data bits, no parity, one stop bit, CTS
// output flow control, DTR dropped and RTS raised. Linux raises DTR and RTS when a tty is opened
// whatever the flow control says, so the lines are set explicitly afterwards; a pty keeps baud
// and flags but refuses the modem-line ioctls (ENOTTY), so those are best effort. An invalid
// handle means the open failed (errno tells why).
FileHandle OpenSerialPort(const std::string& devicePath, int baud);

// Opens a parallel port node for writing.
FileHandle OpenParallelPort(const std::string& devicePath);

// Opens a USB printer node for reading and writing.
FileHandle OpenUsbPrinter(const std::string& devicePath);

// The serial line settings a tty currently holds, as read back with tcgetattr.
struct SerialLineSettings {
  int baud = 0;
  int dataBits = 0;
  bool parity = false;
  int stopBits = 0;
  bool ctsFlow = false;
};
bool ReadSerialLineSettings(int fd, SerialLineSettings& settings);

// The numeric baud rate for a Bnnnn speed constant (0 when unknown), and back.
int BaudFromSpeed(unsigned speed);
unsigned SpeedFromBaud(int baud);

enum class WriteStatus { Complete, Failed, TimedOut };

// Writes the whole buffer, continuing after partial writes, until it is done, the device
// reports an error, or `bound` has passed. Works on blocking and non-blocking descriptors.
WriteStatus WriteAll(int fd, const std::uint8_t* data, std::size_t size,
                     std::chrono::milliseconds bound);

// Time allowed for writing `size` bytes to a device: a fixed 5 s plus the time the bytes take
// at `bytesPerSecond`, doubled. Printers that stop taking data (paper out, cover open, no CTS)
// therefore fail the write instead of freezing the window.
std::chrono::milliseconds WriteBound(std::size_t size, int bytesPerSecond);

}  // namespace platform
