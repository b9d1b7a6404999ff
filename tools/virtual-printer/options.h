#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace virtual_printer {

struct TcpAddress {
  std::string host;    // dotted IPv4 address
  std::uint16_t port;  // 0: any free port (the log names the one chosen)
};

struct UsbTreeOption {
  std::string root;
  unsigned vendorId = 0;
  unsigned productId = 0;
};

struct Options {
  std::vector<TcpAddress> tcp;
  bool serial = false;
  std::vector<std::string> fifos;
  std::optional<UsbTreeOption> usbTree;
  std::string recordPath;
  // The 18-byte answer to the network parameter query: IP, mask, gateway, MAC.
  std::optional<std::vector<std::uint8_t>> networkAnswer;
  std::uint8_t statusByte = 0x00;
  bool help = false;
};

struct ParseResult {
  Options options;
  std::string error;  // empty when the command line is valid
};

ParseResult ParseOptions(const std::vector<std::string>& arguments);

// The text printed by --help.
std::string UsageText();

// "127.0.20.5,255.255.255.0,127.0.20.1,02:03:04:0a:fd:09" as the 18 answer bytes; nullopt when
// a field is not valid.
std::optional<std::vector<std::uint8_t>> ParseNetworkAnswer(const std::string& text);

}  // namespace virtual_printer
