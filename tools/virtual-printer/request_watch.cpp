#include "tools/virtual-printer/request_watch.h"

#include <algorithm>

namespace virtual_printer {

RequestWatch::RequestWatch(std::vector<std::vector<std::uint8_t>> requests)
    : requests_(std::move(requests)) {
  for (const auto& request : requests_) {
    longest_ = std::max(longest_, request.size());
  }
}

std::size_t RequestWatch::Feed(std::span<const std::uint8_t> chunk) {
  std::vector<std::uint8_t> window = tail_;
  window.insert(window.end(), chunk.begin(), chunk.end());
  std::size_t found = 0;
  // Only requests that end in the new bytes count; those ending in the kept tail were counted.
  for (std::size_t end = tail_.size() + 1; end <= window.size(); ++end) {
    for (const auto& request : requests_) {
      if (!request.empty() && request.size() <= end &&
          std::equal(request.begin(), request.end(), window.begin() + (end - request.size()))) {
        ++found;
      }
    }
  }
  const std::size_t keep = longest_ > 0 ? std::min(window.size(), longest_ - 1) : 0;
  tail_.assign(window.end() - static_cast<std::ptrdiff_t>(keep), window.end());
  return found;
}

}  // namespace virtual_printer
