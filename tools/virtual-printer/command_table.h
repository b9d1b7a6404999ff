#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace virtual_printer {

// How the bytes after a command's prefix are read and shown.
enum class ValueKind {
  kNone,         // no value bytes: "self-test page (1F 11 04)"
  kChoice,       // one byte named by the row's choice list: "buzzer: ON (1F 1B 11 01)"
  kDecimal,      // one byte in decimal: "code page: 16 (1F 1B 1F FF 10 0A)"
  kHex,          // one byte in hexadecimal
  kId16,         // two bytes, low then high, shown as four hex digits: "USB product id: 5011"
  kIpv4,         // four bytes, first field first: "IP address: 192.168.1.100"
  kMac,          // six bytes: "MAC address: 02:03:04:0A:FD:09"
  kDrawerPulse,  // pin, on time, off time
  kNvPrint,      // image number and print mode
  kText,         // one length byte L, then L bytes of text (possibly in the next write)
  kWifiAt,       // one length byte L, then L bytes of module AT commands separated by \r
  kWifiAtPair,   // two length bytes, then both texts of module AT commands
  kNvLogo,       // xL xH yL yH, then xBytes * yBands * 8 bytes of raster data
  kUpgrade,      // an upgrade announce: the data that follows is counted, not decoded
};

struct Choice {
  std::uint8_t value;
  std::string_view text;
};

// One known command: its name, the bytes it starts with, how its value is read, and for choice
// rows the list of values. A `strict` choice row matches only a value from its list, so that
// another row with the same prefix can take the other values. `suffix` is a byte that follows
// the value in the full command; it is taken along when present.
struct CommandRow {
  std::string_view name;
  std::vector<std::uint8_t> prefix;
  ValueKind kind = ValueKind::kNone;
  std::span<const Choice> choices = {};
  bool strict = false;
  std::vector<std::uint8_t> suffix = {};
};

// Number of value bytes that follow the prefix (length bytes included, payload excluded).
std::size_t ValueByteCount(ValueKind kind);

// Every command the virtual printer recognises, grouped by command family. When several rows
// match, the decoder takes the longest complete one, then the first in this table.
const std::vector<CommandRow>& KnownCommands();

}  // namespace virtual_printer
