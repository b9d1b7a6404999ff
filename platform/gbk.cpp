#include "platform/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace platform {
namespace {

// One iconv descriptor for the duration of a conversion.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  ~Converter() { iconv_close(cd_); }

  // Converts one complete input unit; returns false when the unit has no mapping.
  bool Convert(const char* in, std::size_t inLength, std::string& out) {
    char buffer[16];
    char* inPtr = const_cast<char*>(in);
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd_, &inPtr, &inLength, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
      return false;
    }
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    return true;
  }

 private:
  iconv_t cd_;
};

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

std::vector<std::uint8_t> ToGbk(std::u16string_view text) {
  std::vector<std::uint8_t> result;
  result.reserve(text.size() * 2);
  Converter converter("CP936", "UTF-16LE");
  std::string piece;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c < 0x80) {
      result.push_back(static_cast<std::uint8_t>(c));
      continue;
    }
    // A code point is one unit or a surrogate pair; convert it as a whole so that a character
    // without a code becomes exactly one '?'.
    std::size_t units = 1;
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      units = 2;
    }
    char in[4];
    for (std::size_t u = 0; u < units; ++u) {
      in[2 * u] = static_cast<char>(text[i + u] & 0xFF);
      in[2 * u + 1] = static_cast<char>(text[i + u] >> 8);
    }
    piece.clear();
    if (converter.Convert(in, units * 2, piece)) {
      result.insert(result.end(), piece.begin(), piece.end());
    } else {
      result.push_back('?');
    }
    i += units - 1;
  }
  return result;
}

std::u16string FromGbk(const std::vector<std::uint8_t>& bytes) {
  std::u16string result;
  Converter converter("UTF-16LE", "CP936");
  std::string piece;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] < 0x80) {
      result.push_back(bytes[i]);
      continue;
    }
    piece.clear();
    bool converted = false;
    if (i + 1 < bytes.size()) {
      const char in[2] = {static_cast<char>(bytes[i]), static_cast<char>(bytes[i + 1])};
      converted = converter.Convert(in, 2, piece);
      if (converted) {
        ++i;
      }
    }
    if (!converted) {
      const char in[1] = {static_cast<char>(bytes[i])};
      converted = converter.Convert(in, 1, piece);
    }
    if (!converted) {
      result.push_back(u'\uFFFD');
      continue;
    }
    for (std::size_t k = 0; k + 1 < piece.size(); k += 2) {
      result.push_back(static_cast<char16_t>(static_cast<std::uint8_t>(piece[k]) |
                                             (static_cast<std::uint8_t>(piece[k + 1]) << 8)));
    }
  }
  return result;
}

}  // namespace platform
