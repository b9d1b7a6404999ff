#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "tools/virtual-printer/command_decoder.h"
#include "tools/virtual-printer/services.h"

namespace virtual_printer {

using Clock = std::chrono::steady_clock;

// How long a channel must be quiet before a text still awaited, or upgrade data, is shown.
constexpr std::chrono::milliseconds kQuietTime{1000};

// One channel's received bytes: recorded, decoded and logged under the channel's name.
class ChannelDecoder {
 public:
  ChannelDecoder(std::string name, Services& services);

  const std::string& name() const { return name_; }
  void Note(const std::string& text) { services_.log.Line(name_, text); }

  void Receive(std::span<const std::uint8_t> bytes, Clock::time_point now);
  // The sender closed its connection.
  void EndOfSend();
  // Shows what is pending once the channel has been quiet long enough.
  void Tick(Clock::time_point now);
  // Shows everything pending at once.
  void FlushAll();

  bool HasPending() const { return decoder_->HasPending(); }
  Clock::time_point lastData() const { return lastData_; }
  // Hands the decoder, with what it holds, to the next connection on the same listener.
  std::unique_ptr<CommandDecoder> TakeDecoder();
  // Carries on with a decoder handed over from another connection.
  void Adopt(std::unique_ptr<CommandDecoder> decoder);

 private:
  void Show(const std::vector<std::string>& lines);

  std::string name_;
  Services& services_;
  std::unique_ptr<CommandDecoder> decoder_;
  Clock::time_point lastData_ = Clock::now();
};

}  // namespace virtual_printer
