#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "tools/virtual-printer/options.h"

namespace virtual_printer {

// Appends every received byte to the record file, written through at once so that a reader sees
// each chunk as soon as it has arrived. Without a path nothing is recorded.
class Recorder {
 public:
  Recorder() = default;
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;
  ~Recorder();

  // False with a message when the file cannot be opened.
  bool Open(const std::string& path, std::string& error);
  void Record(std::span<const std::uint8_t> bytes);

 private:
  int fd_ = -1;
};

// The readable log on standard output: "[channel] text", flushed line by line.
class EventLog {
 public:
  void Line(const std::string& channel, const std::string& text);
  void Plain(const std::string& text);
};

// What every channel shares.
struct Services {
  const Options& options;
  Recorder& recorder;
  EventLog& log;
};

}  // namespace virtual_printer
