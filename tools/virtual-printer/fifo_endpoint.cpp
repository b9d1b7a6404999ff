#include "tools/virtual-printer/fifo_endpoint.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace virtual_printer {
namespace {

constexpr std::size_t kReadSize = 65536;

}  // namespace

std::unique_ptr<FifoEndpoint> FifoEndpoint::Open(const std::string& path, const std::string& name,
                                                 Services& services, std::string& error) {
  bool created = false;
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) {
    if (!S_ISFIFO(info.st_mode)) {
      error = path + " exists and is not a FIFO";
      return nullptr;
    }
  } else if (::mkfifo(path.c_str(), 0666) == 0) {
    created = true;
  } else {
    error = "cannot create FIFO " + path + ": " + std::strerror(errno);
    return nullptr;
  }
  const int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = "cannot open FIFO " + path + ": " + std::strerror(errno);
    if (created) {
      ::unlink(path.c_str());
    }
    return nullptr;
  }
  return std::unique_ptr<FifoEndpoint>(new FifoEndpoint(fd, path, created, name, services));
}

FifoEndpoint::FifoEndpoint(int fd, std::string path, bool created, const std::string& name,
                           Services& services)
    : fd_(fd), path_(std::move(path)), created_(created), channel_(name, services) {}

FifoEndpoint::~FifoEndpoint() {
  ::close(fd_);
  if (created_) {
    ::unlink(path_.c_str());
  }
}

void FifoEndpoint::OnReadable(Clock::time_point now) {
  std::array<std::uint8_t, kReadSize> buffer;
  const ssize_t count = ::read(fd_, buffer.data(), buffer.size());
  if (count > 0) {
    channel_.Receive(std::span<const std::uint8_t>(buffer.data(), static_cast<std::size_t>(count)),
                     now);
  }
}

}  // namespace virtual_printer
