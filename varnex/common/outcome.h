#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace varnex::common {

// One complete byte sequence for one call of the send operation.
using Bytes = std::vector<std::uint8_t>;

// What one button press sends, or the message it shows instead. `sends` are in order, each one
// call of the send operation. A refused press sends nothing and shows `refusal`, a text held in
// code that is the same in both UI languages (UTF-8).
struct Outcome {
  std::vector<Bytes> sends;
  std::string_view refusal{};

  static Outcome Send(Bytes bytes) { return Outcome{{std::move(bytes)}, {}}; }
  static Outcome SendAll(std::vector<Bytes> sends) { return Outcome{std::move(sends), {}}; }
  static Outcome Refuse(std::string_view message) { return Outcome{{}, message}; }
  bool IsRefused() const { return !refusal.empty(); }
};

}  // namespace varnex::common
