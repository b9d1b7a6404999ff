#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "varnex/receipt/outcome.h"

namespace varnex::receipt {

// The code pages the printer can take as its default, in list order.
inline constexpr std::size_t kCodePageCount = 75;
// The entry selected when the page opens (the first name, number 00).
inline constexpr std::size_t kDefaultCodePageIndex = 0;

// The 75 names exactly as the list shows them, index 0 to 74.
std::span<const std::string_view, kCodePageCount> CodePageNames();

// The number the printer knows a list entry by. The printer numbers its code pages in groups
// with gaps between them, and both Thai entries (67 and 74) are FF. An index past the list gives
// 00, the same as an unknown name.
std::uint8_t CodePageNumber(std::size_t index);

// The number for a shown name: the first entry with exactly this text (UTF-8, case-sensitive);
// 00 when no entry matches.
std::uint8_t CodePageNumberForName(std::string_view shownName);

// Default code page: 1F 1B 1F FF n 0A, n from the shown name.
Bytes BuildDefaultCodePage(std::string_view shownName);

}  // namespace varnex::receipt
