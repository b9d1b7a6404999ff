#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/ui_language.h"

namespace varnex::wireless {

using Bytes = std::vector<std::uint8_t>;

// String-table ids of the messages the Bluetooth/Ethernet and WiFi pages show.
enum WirelessMessage : int {
  kNoBluetoothName = 170,       // "No Bluetooth name entered!"
  kBluetoothNameTooLong = 171,  // "The Bluetooth name is too long!"
  kNoBluetoothPin = 172,        // "No Bluetooth password entered!"
  kBluetoothPinTooLong = 173,   // "The Bluetooth password is too long!"
  kIpAddressEmpty = 174,        // "The IP address to be modified is empty!"
  kIpAddressIncomplete = 175,   // "The IP address entered is incomplete!"
  kIpAddressIncorrect = 176,    // "The IP address entered is incorrect!"
  kGatewayEmpty = 177,          // "The gateway address to be modified is empty!"
  kGatewayIncomplete = 178,     // "The gateway address entered is incomplete!"
  kGatewayIncorrect = 179,      // "The gateway address entered is incorrect!"
  kSubnetMaskEmpty = 180,       // "The subnet mask to be modified is empty!"
  kSubnetMaskIncomplete = 181,  // "The subnet mask entered is incomplete!"
  kMacInputError = 182,         // "MAC input error"
  kWifiFactoryResetDone = 256,  // "WiFi factory reset completed, please restart the printer!!!"
};

// A text for a message box: either a string-table id, shown in the current UI language, or a
// text held in code (UTF-8), given once for each language.
struct Message {
  int string_id = 0;  // non-zero: the text of this id
  std::string_view english{};
  std::string_view chinese{};

  static Message FromTable(int id) { return Message{id, {}, {}}; }
  static Message InCode(std::string_view english, std::string_view chinese) {
    return Message{0, english, chinese};
  }
  bool IsFromTable() const { return string_id != 0; }
  // The text held in code for a language; empty for a string-table message.
  std::string_view InCodeText(platform::UiLanguage language) const {
    return language == platform::UiLanguage::Chinese ? chinese : english;
  }

  friend bool operator==(const Message&, const Message&) = default;
};

// The three address controls of a page (IP address, gateway, subnet mask).
enum class AddressKind { IpAddress, Gateway, SubnetMask };

// What one button press does. Either the sends, in order, each one call of the send operation;
// or a message shown instead of sending, after which the page empties the address control named
// by `clear` (if any). An outcome with neither sends nothing and shows nothing.
struct Outcome {
  std::vector<Bytes> sends;
  std::optional<Message> message;
  std::optional<AddressKind> clear;

  static Outcome Send(std::vector<Bytes> sends);
  static Outcome Refuse(Message message, std::optional<AddressKind> clear = std::nullopt);
  bool IsRefused() const { return message.has_value(); }
};

// A length byte holds at most this many text bytes.
inline constexpr std::size_t kMaxLengthByteValue = 255;

// Shown when a text does not fit its length byte; the same rule on both pages.
Message TextTooLongMessage();

// Two sends: `header` followed by the byte count of `text`, then `text` itself. A text longer
// than a length byte can count is refused with TextTooLongMessage().
Outcome HeaderWithLengthThenText(Bytes header, Bytes text);

}  // namespace varnex::wireless
