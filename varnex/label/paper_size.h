#pragma once

#include <string_view>

#include "varnex/label/outcome.h"
#include "varnex/label/unit_conversion.h"

namespace varnex::label {

// Shown when the width or the height text is empty (the same text in both UI languages).
inline constexpr std::string_view kEmptySizeMessage = "Enter as empty!!";

// The paper-size button: "SIZE <width> mm,<height> mm \r\n" (a blank before \r\n, none after
// the comma), both in whole millimetres read from the texts in `unit` (SizeInMillimetres).
// Refused with kEmptySizeMessage when the height text, or else the width text, is empty.
Outcome BuildPaperSize(std::u16string_view widthText, std::u16string_view heightText, Unit unit);

}  // namespace varnex::label
