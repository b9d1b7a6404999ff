#pragma once

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "varnex/controls/ipv4_fields.h"
#include "varnex/wireless/outcome.h"

namespace wirelesstest {

using varnex::wireless::Bytes;

// An address control's content; std::nullopt is a blank field.
inline varnex::controls::Ipv4Fields Fields(std::optional<int> a, std::optional<int> b,
                                           std::optional<int> c, std::optional<int> d) {
  varnex::controls::Ipv4Fields fields;
  fields.fields = {a, b, c, d};
  return fields;
}

inline varnex::controls::Ipv4Fields Blank() {
  return {};
}

// The bytes of an ASCII text as they go on the wire.
inline Bytes Ascii(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

inline Bytes Join(Bytes first, const Bytes& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

// Checks that an outcome sends exactly `sends` and shows nothing.
inline void ExpectSends(const varnex::wireless::Outcome& outcome, const std::vector<Bytes>& sends) {
  EXPECT_FALSE(outcome.message.has_value());
  EXPECT_FALSE(outcome.clear.has_value());
  EXPECT_EQ(outcome.sends, sends);
}

// Checks that an outcome shows `message`, empties `clear` and sends nothing.
inline void ExpectRefused(const varnex::wireless::Outcome& outcome,
                          const varnex::wireless::Message& message,
                          std::optional<varnex::wireless::AddressKind> clear = std::nullopt) {
  EXPECT_TRUE(outcome.IsRefused());
  EXPECT_TRUE(outcome.message == message);
  EXPECT_EQ(outcome.clear, clear);
  EXPECT_TRUE(outcome.sends.empty());
}

}  // namespace wirelesstest
