#pragma once

#include <string>
#include <string_view>

#include "varnex/label/outcome.h"

namespace varnex::label {

// The bytes of an ASCII text command as written in the tests.
inline Bytes Ascii(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

}  // namespace varnex::label
