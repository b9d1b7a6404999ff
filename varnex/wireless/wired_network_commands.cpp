#include "varnex/wireless/wired_network_commands.h"

#include "varnex/common/hex_digit.h"
#include "varnex/wireless/address_check.h"

namespace varnex::wireless {
namespace {

// The byte after 1F 1B 1D that says which address follows.
std::uint8_t WiredAddressSelector(AddressKind kind) {
  switch (kind) {
    case AddressKind::IpAddress:
      return 0x00;
    case AddressKind::SubnetMask:
      return 0x01;
    case AddressKind::Gateway:
      return 0x02;
  }
  return 0x00;  // not reached: every kind has a row above
}

}  // namespace

Outcome WiredAddressCommand(AddressKind kind, const controls::Ipv4Fields& fields) {
  if (auto problem = CheckWiredAddress(kind, fields)) {
    return Outcome::Refuse(*problem, kind);
  }
  const auto address = fields.Bytes();
  return Outcome::Send({{0x1F, 0x1B, 0x1D, WiredAddressSelector(kind), address[0], address[1],
                         address[2], address[3]}});
}

std::optional<std::uint8_t> ParseMacPart(std::u16string_view part) {
  if (part.size() != 2) {
    return std::nullopt;
  }
  const auto high = common::HexDigitValue(part[0]);
  const auto low = common::HexDigitValue(part[1]);
  if (!high || !low) {
    return std::nullopt;
  }
  return static_cast<std::uint8_t>((*high << 4) | *low);
}

Outcome MacAddressCommand(const std::array<std::u16string_view, 6>& parts) {
  Bytes command{0x1F, 0x1B, 0x18};
  for (std::u16string_view part : parts) {
    const auto value = ParseMacPart(part);
    if (!value) {
      return Outcome::Refuse(Message::FromTable(kMacInputError));
    }
    command.push_back(*value);
  }
  return Outcome::Send({command});
}

}  // namespace varnex::wireless
