#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace varnex::wireless {

// What the Bluetooth and Ethernet page shows when it opens. These only fill the controls; the
// printer is told nothing until a button is pressed.
inline constexpr std::u16string_view kDefaultBluetoothName = u"Bluetooth Printer";
inline constexpr std::u16string_view kDefaultBluetoothPin = u"2948";
inline constexpr std::array<std::u16string_view, 6> kDefaultMacParts{u"02", u"03", u"04",
                                                                     u"0a", u"fd", u"09"};
inline constexpr std::array<std::uint8_t, 4> kDefaultIpAddress{192, 168, 1, 100};
inline constexpr std::array<std::uint8_t, 4> kDefaultGateway{192, 168, 1, 1};
inline constexpr std::array<std::uint8_t, 4> kDefaultSubnetMask{255, 255, 255, 0};

// The choices of the Bluetooth baud combo, in order, and the one selected at start ("921600").
inline constexpr std::array<std::string_view, 8> kBluetoothBaudChoices{
    "9600", "19200", "38400", "57600", "115200", "230400", "460800", "921600"};
inline constexpr int kDefaultBluetoothBaudIndex = 7;

// How many characters the edits accept while typing (the GBK byte limit is checked on Set).
inline constexpr int kBluetoothNameMaxChars = 20;
inline constexpr int kBluetoothPinMaxChars = 10;
inline constexpr int kMacPartMaxChars = 2;

}  // namespace varnex::wireless
