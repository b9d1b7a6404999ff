#pragma once

#include <cstddef>
#include <string_view>

#include "varnex/label/outcome.h"

namespace varnex::label {

// The model text edit (1136) when the page opens.
inline constexpr std::u16string_view kDefaultModelText = u"PKM4x10TB";
// The printer stores at most this many bytes of model text.
inline constexpr std::size_t kMaxModelTextBytes = 32;

// Shown instead of sending (in Chinese in both UI languages), UTF-8.
inline constexpr std::string_view kModelTextTooLongMessage = "输入长度太长...";
inline constexpr std::string_view kModelTextEmptyMessage = "请输入要设置的型号";

// The model-text button: two sends, the header 1F 1B 16 0C L and then the L bytes of the text in
// code page 936 (no terminator). Refused with kModelTextTooLongMessage when L > 32 and with
// kModelTextEmptyMessage when L = 0.
Outcome BuildModelText(std::u16string_view text);

}  // namespace varnex::label
