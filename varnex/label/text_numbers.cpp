#include "varnex/label/text_numbers.h"

#include <locale.h>

#include <climits>
#include <cstdlib>
#include <string>

namespace varnex::label {
namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The ASCII start of a text; the first other character ends it, as it would end any number.
std::string AsciiPrefix(std::u16string_view text) {
  std::string result;
  for (const char16_t c : text) {
    if (c == 0 || c >= 0x80) {
      break;
    }
    result.push_back(static_cast<char>(c));
  }
  return result;
}

// The "C" locale, so that the decimal point is "." whatever locale the program runs under.
locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
  return locale;
}

}  // namespace

int ParseWholeNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (value <= static_cast<long long>(INT_MAX) + 1) {
      value = value * 10 + (text[i] - '0');
    }
  }
  if (negative) {
    value = -value;
  }
  if (value > INT_MAX) {
    return INT_MAX;
  }
  if (value < INT_MIN) {
    return INT_MIN;
  }
  return static_cast<int>(value);
}

int ParseWholeNumber(std::u16string_view text) {
  return ParseWholeNumber(AsciiPrefix(text));
}

double ParseDecimalNumber(std::u16string_view text) {
  const std::string ascii = AsciiPrefix(text);
  const locale_t locale = CLocale();
  if (locale == static_cast<locale_t>(0)) {
    return 0.0;  // cannot happen: the "C" locale always exists
  }
  return strtod_l(ascii.c_str(), nullptr, locale);
}

}  // namespace varnex::label
