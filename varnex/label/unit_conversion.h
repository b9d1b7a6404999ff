#pragma once

#include <string>
#include <string_view>

namespace varnex::label {

// The unit the paper width and height texts are written in (radio 1057 = 0, 1058 = 1).
enum class Unit { Millimetres, Inches };

// Inches to whole millimetres, truncating: h = trunc((x + 0.005) * 100) in double precision,
// p = trunc(h * 25.4) with the product in single precision (25.4 as a float), result p / 100
// with integer division. 4 in gives 101 mm, 6 in 152 mm, 1.57 in 39 mm, 3.94 in 100 mm.
// Values beyond the int range (and "inf") stop at INT_MAX or INT_MIN; "nan" gives 0.
int InchesToMillimetres(double inches);

// A size text read in its unit as whole millimetres: in millimetres its leading whole number
// ("100.9" -> 100, "abc" -> 0), in inches its decimal number through InchesToMillimetres.
int SizeInMillimetres(std::u16string_view text, Unit unit);

// The inch text shown for a millimetre text: "%.2f" of (float)(whole number) / 25.4f,
// independent of the process locale. "40" -> "1.57", "100" -> "3.94", "150" -> "5.91".
std::u16string MillimetreTextToInchText(std::u16string_view millimetreText);

// The millimetre text shown for an inch text: "%d" of the inch rule. "3.94" -> "100".
std::u16string InchTextToMillimetreText(std::u16string_view inchText);

// The two size texts of the page.
struct PaperSizeTexts {
  std::u16string width;
  std::u16string height;

  friend bool operator==(const PaperSizeTexts&, const PaperSizeTexts&) = default;
};

// The texts rewritten from one unit into the other when the user switches units. Same unit:
// unchanged. An empty text stays empty.
PaperSizeTexts ConvertPaperSizeTexts(const PaperSizeTexts& texts, Unit from, Unit to);

}  // namespace varnex::label
