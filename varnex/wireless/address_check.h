#pragma once

#include <optional>

#include "varnex/controls/ipv4_fields.h"
#include "varnex/wireless/outcome.h"

namespace varnex::wireless {

// Checks that an address control is filled in: its "empty" message when every field is blank,
// its "incomplete" message when only some are filled, nothing when all four are.
std::optional<Message> CheckAddressFilled(AddressKind kind, const controls::Ipv4Fields& fields);

// The check for the printer's wired addresses: filled in as above, and for the IP address and
// the gateway not 255.255.255.255 ("incorrect" message). A complete subnet mask always passes.
std::optional<Message> CheckWiredAddress(AddressKind kind, const controls::Ipv4Fields& fields);

}  // namespace varnex::wireless
