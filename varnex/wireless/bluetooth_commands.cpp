#include "varnex/wireless/bluetooth_commands.h"

#include <algorithm>
#include <utility>

#include "platform/gbk.h"

namespace varnex::wireless {
namespace {

// Header and messages of each Bluetooth text.
struct BluetoothTextRow {
  BluetoothText which;
  std::uint8_t sub_command;
  int empty_message;
  int too_long_message;
};

constexpr std::array<BluetoothTextRow, 2> kBluetoothTexts{{
    {BluetoothText::Name, 0x08, kNoBluetoothName, kBluetoothNameTooLong},
    {BluetoothText::Pin, 0x09, kNoBluetoothPin, kBluetoothPinTooLong},
}};

}  // namespace

Outcome BluetoothTextCommand(BluetoothText which, std::u16string_view text) {
  const BluetoothTextRow& row = *std::find_if(
      kBluetoothTexts.begin(), kBluetoothTexts.end(),
      [which](const BluetoothTextRow& candidate) { return candidate.which == which; });
  Bytes gbk = platform::ToGbk(text);
  if (gbk.empty()) {
    return Outcome::Refuse(Message::FromTable(row.empty_message));
  }
  if (gbk.size() > kMaxBluetoothTextBytes) {
    return Outcome::Refuse(Message::FromTable(row.too_long_message));
  }
  return HeaderWithLengthThenText({0x1F, 0x11, row.sub_command, 0x01}, std::move(gbk));
}

std::uint8_t BluetoothBaudCode(std::string_view comboText) {
  return LookUpBaudCode(kBluetoothBaudCodes, comboText, kBluetoothBaudFallbackCode);
}

Bytes BluetoothBaudCommand(std::string_view comboText) {
  return {0x1F, 0x11, 0x0C, 0x01, BluetoothBaudCode(comboText)};
}

Bytes BluetoothRequestCommand(BluetoothRequest request) {
  switch (request) {
    case BluetoothRequest::PinQuery:
      return {0x1F, 0x11, 0x0A, 0x01};
    case BluetoothRequest::BaudQuery:
      return {0x1F, 0x11, 0x0B, 0x01};
    case BluetoothRequest::SelfTest:
      return {0x1F, 0x11, 0x04};
  }
  return {};  // not reached: every request has a row above
}

}  // namespace varnex::wireless
