#pragma once

#include <array>
#include <string_view>

namespace varnex::wireless {

// The choices of the WiFi page's combos, in order, and the index selected at start (-1: none).
inline constexpr std::array<std::string_view, 3> kWifiModeChoices{"AP", "STA", "AP+STA"};
inline constexpr int kDefaultWifiModeIndex = 0;
inline constexpr std::array<std::string_view, 2> kDhcpChoices{"ENABLE", "DISABLE"};
inline constexpr int kDefaultDhcpIndex = 0;
inline constexpr std::array<std::string_view, 2> kEncryptionChoices{"OPEN", "WPA2PSK"};
inline constexpr int kDefaultEncryptionIndex = -1;
inline constexpr std::array<std::string_view, 7> kWifiBaudChoices{
    "9600", "19200", "38400", "57600", "115200", "460800", "921600"};
inline constexpr int kDefaultWifiBaudIndex = 6;

// How many characters the access-point edits accept while typing; SSID and key have no limit.
inline constexpr int kAccessPointNameMaxChars = 15;
inline constexpr int kAccessPointKeyMaxChars = 20;

// After a WiFi button has sent its command it stays disabled for this long, the factory reset
// button for longer, showing kWifiResetWaitCaption meanwhile and then kWifiFactoryResetDone.
inline constexpr int kWifiButtonPauseMs = 1000;
inline constexpr int kWifiFactoryResetWaitMs = 5500;
inline constexpr int kWifiRestoreFactoryCaption = 241;  // "Restore Factory"
inline constexpr int kWifiResetWaitCaption = 255;       // "Wait........"

}  // namespace varnex::wireless
