#include "varnex/label/unit_conversion.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

#include "varnex/label/text_numbers.h"

namespace varnex::label {
namespace {

constexpr float kMillimetresPerInch = 25.4f;

// Truncation toward zero into an int, saturating instead of overflowing; NaN gives 0.
int TruncateToInt(double value) {
  if (std::isnan(value)) {
    return 0;
  }
  if (value >= static_cast<double>(INT_MAX)) {
    return INT_MAX;
  }
  if (value <= static_cast<double>(INT_MIN)) {
    return INT_MIN;
  }
  return static_cast<int>(value);
}

std::u16string Widen(std::string_view ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

}  // namespace

int InchesToMillimetres(double inches) {
  const int hundredths = TruncateToInt((inches + 0.005) * 100.0);
  // The product is rounded to single precision before it is truncated; this is what makes
  // 4 in come out as 101 mm (400 * 25.4f rounds up to exactly 10160).
  const float product = static_cast<float>(hundredths) * kMillimetresPerInch;
  return TruncateToInt(product) / 100;
}

int SizeInMillimetres(std::u16string_view text, Unit unit) {
  return unit == Unit::Millimetres ? ParseWholeNumber(text)
                                   : InchesToMillimetres(ParseDecimalNumber(text));
}

std::u16string MillimetreTextToInchText(std::u16string_view millimetreText) {
  const float inches = static_cast<float>(ParseWholeNumber(millimetreText)) / kMillimetresPerInch;
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer,
                                          static_cast<double>(inches), std::chars_format::fixed, 2);
  if (error != std::errc{}) {
    return {};  // cannot happen: an int divided by 25.4 has at most eight integer digits
  }
  return Widen(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

std::u16string InchTextToMillimetreText(std::u16string_view inchText) {
  return Widen(std::to_string(SizeInMillimetres(inchText, Unit::Inches)));
}

PaperSizeTexts ConvertPaperSizeTexts(const PaperSizeTexts& texts, Unit from, Unit to) {
  if (from == to) {
    return texts;
  }
  const auto convert = [to](const std::u16string& text) -> std::u16string {
    if (text.empty()) {
      return text;
    }
    return to == Unit::Inches ? MillimetreTextToInchText(text) : InchTextToMillimetreText(text);
  };
  return PaperSizeTexts{convert(texts.width), convert(texts.height)};
}

}  // namespace varnex::label
