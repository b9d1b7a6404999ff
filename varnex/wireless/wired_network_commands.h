#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "varnex/controls/ipv4_fields.h"
#include "varnex/wireless/outcome.h"

namespace varnex::wireless {

// Sets one of the printer's wired addresses: 1F 1B 1D s a b c d with s = 00 for the IP address,
// 01 for the subnet mask, 02 for the gateway and a.b.c.d in display order. Refused (and the
// control is to be emptied) when the control is blank (174 / 177 / 180), not completely filled
// in (175 / 178 / 181), or, for the IP address and the gateway, 255.255.255.255 (176 / 179).
Outcome WiredAddressCommand(AddressKind kind, const controls::Ipv4Fields& fields);

// One MAC edit as a byte: exactly two characters, both hexadecimal digits (either case).
// Anything else has no value. This is stricter than reading the text with a "%x" scan, which
// would also take "0g" as 00, " 5" as 05 or "-1" as FF: a guessed byte would give the printer
// a MAC address nobody typed, so such text is refused instead.
std::optional<std::uint8_t> ParseMacPart(std::u16string_view part);

// Sets the printer's MAC address from the six edits in display order: 1F 1B 18 m1 ... m6.
// Refused with 182 when any edit fails ParseMacPart; nothing is emptied.
Outcome MacAddressCommand(const std::array<std::u16string_view, 6>& parts);

}  // namespace varnex::wireless
