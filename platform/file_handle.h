#pragma once

#include <utility>

namespace platform {

// Owns one POSIX file descriptor (a device node, a tty or a socket) and closes it once.
class FileHandle {
 public:
  FileHandle() = default;
  explicit FileHandle(int fd) : fd_(fd) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  FileHandle(FileHandle&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileHandle& operator=(FileHandle&& other) noexcept;
  ~FileHandle();

  bool valid() const { return fd_ >= 0; }
  int get() const { return fd_; }
  void reset();

 private:
  int fd_ = -1;
};

}  // namespace platform
