#include "varnex/wireless/wifi_commands.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/gbk.h"
#include "varnex/wireless/address_check.h"

namespace varnex::wireless {
namespace {

// Module commands are composed as UTF-16 and sent in GBK; their fixed parts are ASCII.
void AppendAscii(std::u16string& text, std::string_view ascii) {
  text.append(ascii.begin(), ascii.end());
}

void AppendDotted(std::u16string& text, const controls::Ipv4Fields& fields) {
  const auto bytes = fields.Bytes();
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0) {
      text.push_back(u'.');
    }
    AppendAscii(text, std::to_string(bytes[i]));
  }
}

Outcome WrappedText(WifiSubCommand sub, const std::u16string& text) {
  return HeaderWithLengthThenText(WifiWrapper(sub), platform::ToGbk(text));
}

}  // namespace

Bytes WifiWrapper(WifiSubCommand sub) {
  return {0x1F, 0x1B, 0xFD, static_cast<std::uint8_t>(sub)};
}

Bytes WifiRequestCommand(WifiRequest request) {
  switch (request) {
    case WifiRequest::AccessPointQuery:
      return WifiWrapper(WifiSubCommand::AccessPointQuery);
    case WifiRequest::BaudQuery:
      return WifiWrapper(WifiSubCommand::BaudQuery);
    case WifiRequest::NetworkQuery:
      return WifiWrapper(WifiSubCommand::NetworkQuery);
    case WifiRequest::StationAddressQuery:
      return WifiWrapper(WifiSubCommand::StationAddressQuery);
    case WifiRequest::FactoryReset:
      return WifiWrapper(WifiSubCommand::FactoryReset);
  }
  return {};  // not reached: every request has a row above
}

Outcome WifiWorkingModeCommand(std::string_view modeComboText) {
  const auto row = std::find_if(
      kWifiModeCommands.begin(), kWifiModeCommands.end(),
      [modeComboText](const WifiModeRow& mode) { return mode.choice == modeComboText; });
  if (row == kWifiModeCommands.end()) {
    return Outcome{};
  }
  std::u16string text;
  AppendAscii(text, row->at_command);
  return WrappedText(WifiSubCommand::WorkingMode, text);
}

Outcome WifiStationAddressCommand(std::string_view dhcpComboText, const StationAddress& address) {
  const std::array<std::pair<AddressKind, const controls::Ipv4Fields*>, 3> checkOrder{{
      {AddressKind::IpAddress, &address.ip},
      {AddressKind::Gateway, &address.gateway},
      {AddressKind::SubnetMask, &address.mask},
  }};
  for (const auto& [kind, fields] : checkOrder) {
    if (auto problem = CheckAddressFilled(kind, *fields)) {
      return Outcome::Refuse(*problem, kind);
    }
  }
  std::u16string text;
  AppendAscii(text, dhcpComboText == kDhcpEnabledChoice ? "AT+WANN=DHCP," : "AT+WANN=static,");
  AppendDotted(text, address.ip);
  text.push_back(u',');
  AppendDotted(text, address.mask);
  text.push_back(u',');
  AppendDotted(text, address.gateway);
  text.push_back(u'\r');
  return WrappedText(WifiSubCommand::StationAddressSet, text);
}

Message WifiInputErrorMessage() {
  return Message::InCode("输入错误，请检查...", "输入错误，请检查...");
}

Outcome WifiJoinNetworkCommand(std::u16string_view ssid, std::u16string_view key) {
  if (platform::ToGbk(ssid).empty() || platform::ToGbk(key).empty()) {
    return Outcome::Refuse(WifiInputErrorMessage());
  }
  std::u16string text;
  AppendAscii(text, "AT+WSSSID=");
  text.append(ssid);
  AppendAscii(text, "\r,");
  AppendAscii(text, "AT+WSKEY=");
  text.append(key);
  AppendAscii(text, "\r");
  return WrappedText(WifiSubCommand::JoinNetwork, text);
}

Message WifiNothingToSetMessage() {
  return Message::InCode("无设置项,请重新选择!!!", "无设置项,请重新选择!!!");
}

Outcome WifiAccessPointCommand(std::u16string_view name, std::string_view encryptionComboText,
                               std::u16string_view key) {
  const bool hasName = !platform::ToGbk(name).empty();
  const bool hasKey = !platform::ToGbk(key).empty();
  if (!hasName && !hasKey) {
    return Outcome::Refuse(WifiNothingToSetMessage());
  }
  std::u16string apText;
  if (hasName) {
    AppendAscii(apText, "AT+WAP=11BGN,");
    apText.append(name);
    AppendAscii(apText, ",AUTO\r");
  }
  std::u16string keyText;
  if (hasKey) {
    if (encryptionComboText == kWpa2PskChoice) {
      AppendAscii(keyText, "AT+WAKEY=WPA2PSK,AES,");
      keyText.append(key);
      AppendAscii(keyText, "\r");
    } else {
      AppendAscii(keyText, "AT+WAKEY=OPEN,NONE\r");
    }
  }
  Bytes apBytes = platform::ToGbk(apText);
  Bytes keyBytes = platform::ToGbk(keyText);
  if (apBytes.size() > kMaxLengthByteValue || keyBytes.size() > kMaxLengthByteValue) {
    return Outcome::Refuse(TextTooLongMessage());
  }
  Bytes header = WifiWrapper(WifiSubCommand::AccessPointSet);
  header.push_back(static_cast<std::uint8_t>(apBytes.size()));
  header.push_back(static_cast<std::uint8_t>(keyBytes.size()));
  std::vector<Bytes> sends{std::move(header)};
  if (!apBytes.empty()) {
    sends.push_back(std::move(apBytes));
  }
  if (!keyBytes.empty()) {
    sends.push_back(std::move(keyBytes));
  }
  return Outcome::Send(std::move(sends));
}

std::uint8_t WifiBaudCode(std::string_view comboText) {
  return LookUpBaudCode(kWifiBaudCodes, comboText, kWifiBaudFallbackCode);
}

Bytes WifiBaudCommand(std::string_view comboText) {
  Bytes command = WifiWrapper(WifiSubCommand::BaudSet);
  command.push_back(WifiBaudCode(comboText));
  return command;
}

}  // namespace varnex::wireless
