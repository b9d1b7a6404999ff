#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace virtual_printer {

struct CommandRow;

// Turns the bytes a printer receives on one channel into readable lines: known commands by name
// and value, text as text, everything else as hexadecimal. It holds a little state between
// chunks so that a header whose text comes in the next write, or a command cut in two by a read,
// is still shown as one command. It never fails: any byte string gives some lines.
class CommandDecoder {
 public:
  // Decodes one chunk as it was read from the channel.
  std::vector<std::string> Decode(std::span<const std::uint8_t> chunk);

  // The sender finished one write and closed its connection: bytes of a command that can no
  // longer be completed are shown. A text still awaited after a complete header stays pending.
  std::vector<std::string> EndOfSend();

  // The channel went quiet: shows everything still pending (an incomplete text, upgrade data).
  std::vector<std::string> Flush();

  // True while something is held back for a later chunk.
  bool HasPending() const;

 private:
  struct Payload {
    const CommandRow* row = nullptr;
    std::vector<std::uint8_t> header;
    std::size_t expected = 0;
    std::size_t received = 0;
    std::vector<std::uint8_t> bytes;  // kept for texts only
  };

  void Walk(std::span<const std::uint8_t> bytes, std::vector<std::string>& lines);
  std::size_t TakePayload(std::span<const std::uint8_t> bytes, std::vector<std::string>& lines);
  void StartCommand(const CommandRow& row, std::span<const std::uint8_t> header,
                    std::vector<std::string>& lines);
  void FinishPayload(bool complete, std::vector<std::string>& lines);

  std::vector<std::uint8_t> carry_;  // the start of a command cut off at the end of a chunk
  bool hasPayload_ = false;
  Payload payload_;
  bool inUpgradeData_ = false;
  std::size_t upgradeBytes_ = 0;
};

}  // namespace virtual_printer
