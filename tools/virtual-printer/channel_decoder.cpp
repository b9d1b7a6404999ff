#include "tools/virtual-printer/channel_decoder.h"

namespace virtual_printer {

ChannelDecoder::ChannelDecoder(std::string name, Services& services)
    : name_(std::move(name)), services_(services), decoder_(std::make_unique<CommandDecoder>()) {}

void ChannelDecoder::Receive(std::span<const std::uint8_t> bytes, Clock::time_point now) {
  lastData_ = now;
  services_.recorder.Record(bytes);
  Show(decoder_->Decode(bytes));
}

void ChannelDecoder::EndOfSend() {
  Show(decoder_->EndOfSend());
}

void ChannelDecoder::Tick(Clock::time_point now) {
  if (decoder_->HasPending() && now - lastData_ >= kQuietTime) {
    Show(decoder_->Flush());
  }
}

void ChannelDecoder::FlushAll() {
  Show(decoder_->Flush());
}

std::unique_ptr<CommandDecoder> ChannelDecoder::TakeDecoder() {
  auto taken = std::move(decoder_);
  decoder_ = std::make_unique<CommandDecoder>();
  return taken;
}

void ChannelDecoder::Adopt(std::unique_ptr<CommandDecoder> decoder) {
  decoder_ = std::move(decoder);
}

void ChannelDecoder::Show(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    services_.log.Line(name_, line);
  }
}

}  // namespace virtual_printer
