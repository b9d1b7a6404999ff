#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace virtual_printer {

// Finds request sequences (such as 10 04 13) in the bytes of one channel, also when a read cuts
// a request in two. Each occurrence counts once.
class RequestWatch {
 public:
  explicit RequestWatch(std::vector<std::vector<std::uint8_t>> requests);

  // How many requests end inside this chunk.
  std::size_t Feed(std::span<const std::uint8_t> chunk);

 private:
  std::vector<std::vector<std::uint8_t>> requests_;
  std::size_t longest_ = 0;
  std::vector<std::uint8_t> tail_;  // the last bytes seen, fewer than the longest request
};

}  // namespace virtual_printer
