#pragma once

#include <string_view>

namespace varnex::label {

// Reads the whole number a text starts with, as the C library's integer conversion does:
// leading white space, an optional sign, then decimal digits up to the first other character.
// "100.7" gives 100, "  42mm" gives 42, a text without leading digits gives 0. A value beyond
// the int range stops at INT_MAX or INT_MIN. Only ASCII characters count as digits or space.
int ParseWholeNumber(std::string_view text);
int ParseWholeNumber(std::u16string_view text);

// Reads the decimal number a text starts with, as the C library's floating-point conversion
// does, whatever the process locale: leading white space, an optional sign, digits with an
// optional "." and exponent ("3.94", ".5", "1e1"), also the library's "inf", "nan" and
// hexadecimal forms; a text without a number gives 0. Only ASCII characters take part.
double ParseDecimalNumber(std::u16string_view text);

}  // namespace varnex::label
