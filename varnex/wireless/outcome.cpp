#include "varnex/wireless/outcome.h"

#include <utility>

namespace varnex::wireless {

Outcome Outcome::Send(std::vector<Bytes> sends) {
  Outcome outcome;
  outcome.sends = std::move(sends);
  return outcome;
}

Outcome Outcome::Refuse(Message message, std::optional<AddressKind> clear) {
  Outcome outcome;
  outcome.message = message;
  outcome.clear = clear;
  return outcome;
}

Message TextTooLongMessage() {
  return Message::InCode("The text is too long (at most 255 bytes)!",
                         "输入的内容过长(最多255字节)!");
}

Outcome HeaderWithLengthThenText(Bytes header, Bytes text) {
  if (text.size() > kMaxLengthByteValue) {
    return Outcome::Refuse(TextTooLongMessage());
  }
  header.push_back(static_cast<std::uint8_t>(text.size()));
  return Outcome::Send({std::move(header), std::move(text)});
}

}  // namespace varnex::wireless
