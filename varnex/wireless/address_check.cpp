#include "varnex/wireless/address_check.h"

#include <algorithm>
#include <array>

namespace varnex::wireless {
namespace {

// The messages of each address control; the subnet mask has no "incorrect" message.
struct AddressMessages {
  AddressKind kind;
  int empty;
  int incomplete;
  std::optional<int> incorrect;
};

constexpr std::array<AddressMessages, 3> kAddressMessages{{
    {AddressKind::IpAddress, kIpAddressEmpty, kIpAddressIncomplete, kIpAddressIncorrect},
    {AddressKind::Gateway, kGatewayEmpty, kGatewayIncomplete, kGatewayIncorrect},
    {AddressKind::SubnetMask, kSubnetMaskEmpty, kSubnetMaskIncomplete, std::nullopt},
}};

const AddressMessages& MessagesFor(AddressKind kind) {
  return *std::find_if(kAddressMessages.begin(), kAddressMessages.end(),
                       [kind](const AddressMessages& row) { return row.kind == kind; });
}

bool IsAllOnes(const controls::Ipv4Fields& fields) {
  return std::all_of(fields.fields.begin(), fields.fields.end(),
                     [](const std::optional<int>& field) { return field == 255; });
}

}  // namespace

std::optional<Message> CheckAddressFilled(AddressKind kind, const controls::Ipv4Fields& fields) {
  const AddressMessages& messages = MessagesFor(kind);
  if (fields.IsBlank()) {
    return Message::FromTable(messages.empty);
  }
  if (!fields.IsComplete()) {
    return Message::FromTable(messages.incomplete);
  }
  return std::nullopt;
}

std::optional<Message> CheckWiredAddress(AddressKind kind, const controls::Ipv4Fields& fields) {
  if (auto problem = CheckAddressFilled(kind, fields)) {
    return problem;
  }
  const AddressMessages& messages = MessagesFor(kind);
  if (messages.incorrect && IsAllOnes(fields)) {
    return Message::FromTable(*messages.incorrect);
  }
  return std::nullopt;
}

}  // namespace varnex::wireless
