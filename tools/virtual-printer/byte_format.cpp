#include "tools/virtual-printer/byte_format.h"

#include <iconv.h>

#include <array>

namespace virtual_printer {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendHexByte(std::string& out, std::uint8_t byte) {
  out.push_back(kHexDigits[byte >> 4]);
  out.push_back(kHexDigits[byte & 0x0F]);
}

void AppendEscapedByte(std::string& out, std::uint8_t byte) {
  out += "\\x";
  AppendHexByte(out, byte);
}

bool IsGbkLead(std::uint8_t byte) {
  return byte >= 0x81 && byte <= 0xFE;
}
bool IsGbkTrail(std::uint8_t byte) {
  return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFE);
}

// Converts double-byte characters of code page 936 to UTF-8 through glibc's converter.
class GbkToUtf8 {
 public:
  GbkToUtf8() : converter_(::iconv_open("UTF-8", "CP936")) {}
  GbkToUtf8(const GbkToUtf8&) = delete;
  GbkToUtf8& operator=(const GbkToUtf8&) = delete;
  ~GbkToUtf8() {
    if (converter_ != kInvalid) {
      ::iconv_close(converter_);
    }
  }

  // Appends the UTF-8 form of the two-byte character; false when it has none.
  bool Append(std::string& out, std::uint8_t lead, std::uint8_t trail) {
    if (converter_ == kInvalid) {
      return false;
    }
    std::array<char, 2> input{static_cast<char>(lead), static_cast<char>(trail)};
    std::array<char, 8> output{};
    char* in = input.data();
    char* outPointer = output.data();
    std::size_t inLeft = input.size();
    std::size_t outLeft = output.size();
    ::iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    if (::iconv(converter_, &in, &inLeft, &outPointer, &outLeft) == static_cast<std::size_t>(-1) ||
        inLeft != 0) {
      return false;
    }
    out.append(output.data(), output.size() - outLeft);
    return true;
  }

 private:
  static inline const iconv_t kInvalid = reinterpret_cast<iconv_t>(-1);
  iconv_t converter_;
};

}  // namespace

std::string HexBytes(std::span<const std::uint8_t> bytes, std::size_t limit) {
  std::string out;
  const std::size_t shown = bytes.size() <= limit ? bytes.size() : limit;
  for (std::size_t i = 0; i < shown; ++i) {
    if (i > 0) {
      out.push_back(' ');
    }
    AppendHexByte(out, bytes[i]);
  }
  if (shown < bytes.size()) {
    out += " ... (" + std::to_string(bytes.size()) + " bytes)";
  }
  return out;
}

std::size_t PrintableCharLength(std::span<const std::uint8_t> bytes, std::size_t at) {
  if (at >= bytes.size()) {
    return 0;
  }
  const std::uint8_t byte = bytes[at];
  if ((byte >= 0x20 && byte <= 0x7E) || byte == '\t') {
    return 1;
  }
  if (IsGbkLead(byte) && at + 1 < bytes.size() && IsGbkTrail(bytes[at + 1])) {
    return 2;
  }
  return 0;
}

std::string RenderText(std::span<const std::uint8_t> bytes, bool quoted) {
  GbkToUtf8 converter;
  std::string out;
  if (quoted) {
    out.push_back('"');
  }
  std::size_t i = 0;
  while (i < bytes.size()) {
    const std::uint8_t byte = bytes[i];
    if (PrintableCharLength(bytes, i) == 2) {
      if (!converter.Append(out, byte, bytes[i + 1])) {
        AppendEscapedByte(out, byte);
        AppendEscapedByte(out, bytes[i + 1]);
      }
      i += 2;
      continue;
    }
    if (byte == '\r') {
      out += "\\r";
    } else if (byte == '\n') {
      out += "\\n";
    } else if (byte == '\t') {
      out += "\\t";
    } else if (quoted && (byte == '"' || byte == '\\')) {
      out.push_back('\\');
      out.push_back(static_cast<char>(byte));
    } else if (byte >= 0x20 && byte <= 0x7E) {
      out.push_back(static_cast<char>(byte));
    } else {
      AppendEscapedByte(out, byte);
    }
    ++i;
  }
  if (quoted) {
    out.push_back('"');
  }
  return out;
}

}  // namespace virtual_printer
