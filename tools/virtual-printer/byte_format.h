#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace virtual_printer {

// "1F 1B 11 01": upper-case hexadecimal, two digits a byte, separated by blanks. When there are
// more than `limit` bytes, only the first `limit` are shown, followed by "... (N bytes)".
std::string HexBytes(std::span<const std::uint8_t> bytes, std::size_t limit = 64);

// True for the bytes that start a printable character of code page 936: printable ASCII and tab,
// or a double-byte lead (81..FE) followed by a valid trail byte (40..7E, 80..FE). Returns the
// length of that character (1 or 2), or 0 when the byte at `at` starts no printable character.
std::size_t PrintableCharLength(std::span<const std::uint8_t> bytes, std::size_t at);

// Shows printer text (code page 936) as UTF-8. Printable characters are shown as they are;
// CR, LF and tab as \r, \n and \t; every other byte as \xNN. With `quoted`, the result is put in
// double quotes and embedded quotes and backslashes are escaped.
std::string RenderText(std::span<const std::uint8_t> bytes, bool quoted);

}  // namespace virtual_printer
