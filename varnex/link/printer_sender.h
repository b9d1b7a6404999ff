#pragma once

#include <cstdint>
#include <vector>

namespace varnex::link {

// What every page needs from the main window: the one send operation and the connected flag.
class PrinterSender {
 public:
  virtual ~PrinterSender() = default;
  // Sends the bytes to the connected printer and reports its own failures to the user.
  // Returns true only when every byte was written.
  virtual bool SendToPrinter(const std::uint8_t* bytes, std::int32_t count) = 0;
  virtual bool IsConnected() const = 0;

  bool Send(const std::vector<std::uint8_t>& bytes) {
    return SendToPrinter(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  }

  // Sends a header and the text it announces (or any sequence of sends) in order, and stops at
  // the first that does not go out: a text must never reach the printer without its header, or
  // the printer would print it or take its bytes for commands.
  bool SendInOrder(const std::vector<std::vector<std::uint8_t>>& sends) {
    for (const auto& bytes : sends) {
      if (!Send(bytes)) {
        return false;
      }
    }
    return true;
  }
};

}  // namespace varnex::link
