#include "tools/virtual-printer/services.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace virtual_printer {

Recorder::~Recorder() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

bool Recorder::Open(const std::string& path, std::string& error) {
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd_ < 0) {
    error = "cannot open the record file " + path + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

void Recorder::Record(std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (fd_ >= 0 && done < bytes.size()) {
    const ssize_t written = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) {
      continue;
    }
    if (written <= 0) {
      std::fprintf(stderr, "virtual-printer: recording failed: %s\n", std::strerror(errno));
      return;
    }
    done += static_cast<std::size_t>(written);
  }
}

void EventLog::Line(const std::string& channel, const std::string& text) {
  Plain("[" + channel + "] " + text);
}

void EventLog::Plain(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace virtual_printer
