#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "varnex/receipt/outcome.h"

namespace varnex::receipt {

// The id edits of the page: their texts when the page opens and how many characters they take.
inline constexpr std::string_view kDefaultUsbProductIdText = "5011";
inline constexpr std::string_view kDefaultUsbVendorIdText = "0416";
inline constexpr std::size_t kUsbIdTextLimit = 4;

// The two value bytes L, H of an id text. The text is read as up to two hexadecimal numbers;
// each may be preceded by white space and a "0x" (or "0X") prefix, and the second must be
// separated from the first by white space. One number N gives L = N & FF, H = (N >> 8) & FF
// ("5011" -> 11 50); two numbers A B give L = A & FF, H = B & FF ("50 11" -> 50 11); no number
// (empty or not hexadecimal) gives 00 00. Reading a number stops at its first non-hex character;
// only its low bits matter, so a long number cannot overflow anything.
std::array<std::uint8_t, 2> UsbIdValueBytes(std::string_view text);

// USB product id: 1F 1B 16 01 L H.
Bytes BuildUsbProductId(std::string_view text);
// USB vendor id: 1F 1B 16 02 L H.
Bytes BuildUsbVendorId(std::string_view text);

}  // namespace varnex::receipt
