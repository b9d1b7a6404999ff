#pragma once

#include <string>
#include <string_view>

namespace varnex::label {

// UTF-8 (as list texts and the string table hold them) to UTF-16 (as texts are composed before
// they are converted to code page 936). A malformed sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

}  // namespace varnex::label
