#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "varnex/wireless/baud_codes.h"
#include "varnex/wireless/outcome.h"

namespace varnex::wireless {

// The two texts the Bluetooth module stores.
enum class BluetoothText { Name, Pin };

// A Bluetooth name or PIN holds at most this many GBK bytes.
inline constexpr std::size_t kMaxBluetoothTextBytes = 20;

// Sets the module's name (1F 11 08 01 L) or PIN (1F 11 09 01 L): the header, then the L GBK
// bytes of the text as a second send. An empty text is refused with 170 (name) or 172 (PIN); a
// text of more than 20 GBK bytes with 171 or 173.
Outcome BluetoothTextCommand(BluetoothText which, std::u16string_view text);

// Baud table of the Bluetooth module, by the text shown in the baud combo. The combo does not
// offer "1000000"; its code exists only here.
inline constexpr std::array<BaudCode, 9> kBluetoothBaudCodes{{
    {"9600", 0x01},
    {"19200", 0x02},
    {"38400", 0x03},
    {"57600", 0x04},
    {"115200", 0x05},
    {"460800", 0x06},
    {"921600", 0x07},
    {"230400", 0x08},
    {"1000000", 0x09},
}};
// The code for any text not in the table.
inline constexpr std::uint8_t kBluetoothBaudFallbackCode = 0x07;

std::uint8_t BluetoothBaudCode(std::string_view comboText);

// Sets the module's baud rate: 1F 11 0C 01 c.
Bytes BluetoothBaudCommand(std::string_view comboText);

// The fixed Bluetooth requests; the printer's answer is not read back.
enum class BluetoothRequest {
  PinQuery,   // 1F 11 0A 01
  BaudQuery,  // 1F 11 0B 01
  SelfTest,   // 1F 11 04: prints the self-test page
};

Bytes BluetoothRequestCommand(BluetoothRequest request);

}  // namespace varnex::wireless
