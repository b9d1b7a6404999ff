#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "varnex/controls/ipv4_fields.h"
#include "varnex/wireless/baud_codes.h"
#include "varnex/wireless/outcome.h"

namespace varnex::wireless {

// The printer carries commands for its WiFi module inside 1F 1B FD, followed by one of these
// sub-command bytes.
enum class WifiSubCommand : std::uint8_t {
  AccessPointSet = 0x02,
  AccessPointQuery = 0x03,
  BaudSet = 0x04,
  BaudQuery = 0x05,
  JoinNetwork = 0x06,
  NetworkQuery = 0x07,
  FactoryReset = 0x0C,
  StationAddressQuery = 0x11,
  StationAddressSet = 0x12,
  WorkingMode = 0x15,
};

// 1F 1B FD and the sub-command byte.
Bytes WifiWrapper(WifiSubCommand sub);

// The commands without a parameter: four bytes each, 1F 1B FD and the sub-command.
enum class WifiRequest {
  AccessPointQuery,
  BaudQuery,
  NetworkQuery,
  StationAddressQuery,
  FactoryReset
};

Bytes WifiRequestCommand(WifiRequest request);

// Working mode: the text of the mode combo and the module command it stands for.
struct WifiModeRow {
  std::string_view choice;
  std::string_view at_command;
};

inline constexpr std::array<WifiModeRow, 3> kWifiModeCommands{{
    {"AP", "AT+WMODE=AP\r"},
    {"STA", "AT+WMODE=STA\r"},
    {"AP+STA", "AT+WMODE=APSTA\r"},
}};

// Sets the working mode: 1F 1B FD 15 L, then the L bytes of the mode command. A combo text that
// is not in the table gives an outcome that sends nothing and shows nothing.
Outcome WifiWorkingModeCommand(std::string_view modeComboText);

// The DHCP combo text that asks for DHCP; every other text means a static address.
inline constexpr std::string_view kDhcpEnabledChoice = "ENABLE";

// The three address controls of the station settings.
struct StationAddress {
  controls::Ipv4Fields ip;
  controls::Ipv4Fields gateway;
  controls::Ipv4Fields mask;
};

// Sets the station's addressing: 1F 1B FD 12 L, then "AT+WANN=DHCP," (DHCP enabled) or
// "AT+WANN=static," followed by "ip,mask,gateway" in dotted decimal and "\r". The addresses are
// required either way and checked in the order IP (174 / 175), gateway (177 / 178), mask
// (180 / 181); the first failure is shown and its control is to be emptied.
Outcome WifiStationAddressCommand(std::string_view dhcpComboText, const StationAddress& address);

// Shown when the network name or key to join is empty; the same text in both languages.
Message WifiInputErrorMessage();

// Joins a network: 1F 1B FD 06 L, then "AT+WSSSID=" ssid "\r," "AT+WSKEY=" key "\r" in GBK.
// Either text empty: WifiInputErrorMessage(). A text of more than 255 bytes:
// TextTooLongMessage(). Nothing is sent in either case.
Outcome WifiJoinNetworkCommand(std::u16string_view ssid, std::u16string_view key);

// The encryption combo text that selects WPA2-PSK; every other text (also no selection) means
// an open access point.
inline constexpr std::string_view kWpa2PskChoice = "WPA2PSK";

// Shown when both access-point texts are empty; the same text in both languages.
Message WifiNothingToSetMessage();

// Sets the access point. A is "AT+WAP=11BGN," name ",AUTO\r" when the name is not empty, else
// empty. K is empty when the key is empty; otherwise "AT+WAKEY=WPA2PSK,AES," key "\r" with
// WPA2PSK chosen, else "AT+WAKEY=OPEN,NONE\r" (the key text is then not used). Sends
// 1F 1B FD 02 lenA lenK, then A if not empty, then K if not empty, each on its own. Both texts
// empty: WifiNothingToSetMessage() and nothing sent (the page leaves its button enabled).
// A or K longer than 255 bytes: TextTooLongMessage() and nothing sent.
Outcome WifiAccessPointCommand(std::u16string_view name, std::string_view encryptionComboText,
                               std::u16string_view key);

// Baud table of the WiFi module, by the text shown in the baud combo. Differs from the Bluetooth
// module's table for 460800 and 921600.
inline constexpr std::array<BaudCode, 7> kWifiBaudCodes{{
    {"9600", 0x01},
    {"19200", 0x02},
    {"38400", 0x03},
    {"57600", 0x04},
    {"115200", 0x05},
    {"460800", 0x08},
    {"921600", 0x09},
}};
// The code for any text not in the table.
inline constexpr std::uint8_t kWifiBaudFallbackCode = 0x09;

std::uint8_t WifiBaudCode(std::string_view comboText);

// Sets the module's baud rate: 1F 1B FD 04 c.
Bytes WifiBaudCommand(std::string_view comboText);

}  // namespace varnex::wireless
