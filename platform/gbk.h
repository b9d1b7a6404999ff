#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Converts UTF-16 text to code page 936 (GBK) without a terminator. A character that has no
// code in the page becomes a single '?', as the Windows conversion does; a lone surrogate too.
std::vector<std::uint8_t> ToGbk(std::u16string_view text);

// Converts code page 936 bytes back to UTF-16; undecodable bytes become U+FFFD.
std::u16string FromGbk(const std::vector<std::uint8_t>& bytes);

}  // namespace platform
