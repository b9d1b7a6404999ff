#pragma once

#include <poll.h>

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdint>

#include "platform/device_io.h"

namespace platform::detail {

// The write loop shared by devices and sockets: `writeOnce(data, size)` is one write or send
// call returning what it wrote (or -1 with errno). Partial writes continue, EINTR repeats, and a
// full buffer (EAGAIN) waits for room, until everything is out, the descriptor reports an error,
// or `bound` has passed.
template <typename WriteOnce>
WriteStatus WriteWithin(int fd, const std::uint8_t* data, std::size_t size,
                        std::chrono::milliseconds bound, WriteOnce writeOnce) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + bound;
  std::size_t written = 0;
  while (written < size) {
    const auto count = writeOnce(data + written, size - written);
    if (count > 0) {
      written += static_cast<std::size_t>(count);
      continue;
    }
    if (count < 0 && errno == EINTR) {
      continue;
    }
    if (count < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
      return WriteStatus::Failed;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
      return WriteStatus::TimedOut;
    }
    pollfd waitFor{fd, POLLOUT, 0};
    const int ready = ::poll(&waitFor, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno != EINTR) {
      return WriteStatus::Failed;
    }
    if (ready > 0 && (waitFor.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0 &&
        (waitFor.revents & POLLOUT) == 0) {
      return WriteStatus::Failed;
    }
  }
  return WriteStatus::Complete;
}

}  // namespace platform::detail
