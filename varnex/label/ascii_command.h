#pragma once

#include <string_view>

#include "varnex/label/outcome.h"

namespace varnex::label {

// The bytes of a label text command made of ASCII characters only (their code page 936 bytes
// are the same characters).
inline Bytes AsciiCommand(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

}  // namespace varnex::label
