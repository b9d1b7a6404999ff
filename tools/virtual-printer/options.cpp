#include "tools/virtual-printer/options.h"

#include <arpa/inet.h>

#include <charconv>
#include <sstream>

namespace virtual_printer {
namespace {

// A hexadecimal number of 1 to `maxDigits` digits, with or without a 0x prefix.
std::optional<unsigned> ParseHex(std::string text, std::size_t maxDigits) {
  if (text.starts_with("0x") || text.starts_with("0X")) {
    text = text.substr(2);
  }
  if (text.empty() || text.size() > maxDigits) {
    return std::nullopt;
  }
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

bool ParseIpv4(const std::string& text, std::vector<std::uint8_t>& out) {
  in_addr address{};
  if (::inet_pton(AF_INET, text.c_str(), &address) != 1) {
    return false;
  }
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&address.s_addr);
  out.insert(out.end(), bytes, bytes + 4);
  return true;
}

bool ParseMac(const std::string& text, std::vector<std::uint8_t>& out) {
  std::vector<std::uint8_t> mac;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of(":-", start);
    if (end == std::string::npos) {
      end = text.size();
    }
    const auto value = ParseHex(text.substr(start, end - start), 2);
    if (!value || end - start != 2) {
      return false;
    }
    mac.push_back(static_cast<std::uint8_t>(*value));
    start = end + 1;
  }
  if (mac.size() != 6) {
    return false;
  }
  out.insert(out.end(), mac.begin(), mac.end());
  return true;
}

std::optional<TcpAddress> ParseTcpAddress(const std::string& text) {
  const auto colon = text.rfind(':');
  if (colon == std::string::npos) {
    return std::nullopt;
  }
  const std::string host = text.substr(0, colon);
  const std::string portText = text.substr(colon + 1);
  in_addr address{};
  unsigned port = 0;
  const auto [end, error] =
      std::from_chars(portText.data(), portText.data() + portText.size(), port, 10);
  if (::inet_pton(AF_INET, host.c_str(), &address) != 1 || portText.empty() ||
      error != std::errc() || end != portText.data() + portText.size() || port > 65535) {
    return std::nullopt;
  }
  return TcpAddress{host, static_cast<std::uint16_t>(port)};
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ParseNetworkAnswer(const std::string& text) {
  std::vector<std::string> fields;
  std::stringstream stream(text);
  std::string field;
  while (std::getline(stream, field, ',')) {
    fields.push_back(field);
  }
  if (fields.size() != 4 || (!text.empty() && text.back() == ',')) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> answer;
  if (!ParseIpv4(fields[0], answer) || !ParseIpv4(fields[1], answer) ||
      !ParseIpv4(fields[2], answer) || !ParseMac(fields[3], answer)) {
    return std::nullopt;
  }
  return answer;
}

ParseResult ParseOptions(const std::vector<std::string>& arguments) {
  ParseResult result;
  Options& options = result.options;
  std::optional<unsigned> vendorId;
  std::optional<unsigned> productId;
  std::optional<std::string> usbRoot;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    if (name == "--help" || name == "-h") {
      options.help = true;
      return result;
    }
    if (name == "--serial") {
      options.serial = true;
      continue;
    }
    static const char* const kWithValue[] = {"--tcp", "--fifo",   "--usb-tree", "--vid",
                                             "--pid", "--record", "--net",      "--status"};
    bool known = false;
    for (const char* option : kWithValue) {
      known = known || name == option;
    }
    if (!known) {
      result.error = "unknown option " + name;
      return result;
    }
    if (i + 1 >= arguments.size()) {
      result.error = name + " needs a value";
      return result;
    }
    const std::string& value = arguments[++i];
    if (name == "--tcp") {
      const auto address = ParseTcpAddress(value);
      if (!address) {
        result.error = "--tcp expects IPv4-ADDRESS:PORT, not \"" + value + "\"";
        return result;
      }
      options.tcp.push_back(*address);
    } else if (name == "--fifo") {
      options.fifos.push_back(value);
    } else if (name == "--usb-tree") {
      usbRoot = value;
    } else if (name == "--vid" || name == "--pid") {
      const auto id = ParseHex(value, 4);
      if (!id) {
        result.error = name + " expects up to four hexadecimal digits, not \"" + value + "\"";
        return result;
      }
      (name == "--vid" ? vendorId : productId) = *id;
    } else if (name == "--record") {
      options.recordPath = value;
    } else if (name == "--net") {
      options.networkAnswer = ParseNetworkAnswer(value);
      if (!options.networkAnswer) {
        result.error = "--net expects IP,MASK,GATEWAY,MAC, not \"" + value + "\"";
        return result;
      }
    } else if (name == "--status") {
      const auto status = ParseHex(value, 2);
      if (!status) {
        result.error = "--status expects one byte in hexadecimal, not \"" + value + "\"";
        return result;
      }
      options.statusByte = static_cast<std::uint8_t>(*status);
    }
  }
  if (usbRoot) {
    if (!vendorId || !productId) {
      result.error = "--usb-tree needs --vid and --pid";
      return result;
    }
    options.usbTree = UsbTreeOption{*usbRoot, *vendorId, *productId};
  } else if (vendorId || productId) {
    result.error = "--vid and --pid belong to --usb-tree";
    return result;
  }
  if (options.tcp.empty() && !options.serial && options.fifos.empty() && !options.usbTree) {
    result.error = "nothing to listen on: give --tcp, --serial, --fifo or --usb-tree";
  }
  return result;
}

std::string UsageText() {
  return R"(Usage: virtual-printer [OPTIONS]

Stands in for a receipt or label printer at the far end of a port. Records every byte it
receives, shows the commands it recognises in a readable log on standard output, and gives the
answers printers give: the status byte on a serial line and the network parameters over TCP.

Channels (at least one; every option may be combined with the others):
  --tcp ADDR:PORT      listen for TCP connections on the IPv4 address ADDR, port PORT
                       (repeatable; PORT 0 picks a free port, named in the log). Any number of
                       connections, each read until the sender closes it.
  --serial             create a pseudo-terminal and print its slave path (e.g. /dev/pts/7) as
                       the first line of standard output. Data written to the slave is received;
                       the line settings the sender chose are logged when data arrives.
  --fifo PATH          create the FIFO PATH (or use an existing one) as a stand-in for a USB or
                       parallel device node and read what is written to it (repeatable).
  --usb-tree DIR --vid HHHH --pid HHHH
                       build a fake sysfs and /dev tree under DIR holding one USB printer with
                       the given vendor and product ids (hexadecimal): DIR/sys/... as Linux lays
                       it out (bus/usb/devices/1-1, class/usbmisc/lp0) and the node DIR/dev/usb/lp0
                       as a FIFO that is read. Run the program under test with
                       PRINTER_TOOLS_SYSFS_ROOT=DIR/sys PRINTER_TOOLS_DEV_ROOT=DIR/dev.

Answers and recording:
  --record FILE        append every byte received on any channel, in order of arrival, to FILE
                       (written through after each read).
  --net IP,MASK,GW,MAC answer the network parameter query 10 04 13 on a TCP connection at once
                       with 18 bytes: IP, mask, gateway (4 bytes each, first field first) and
                       MAC (6 bytes), e.g. 127.0.20.5,255.255.255.0,127.0.20.1,02:03:04:0a:fd:09.
                       Without --net the query is logged but not answered.
  --status HH          the status byte written back on the serial line for 10 04 01 and 1B 76
                       (hexadecimal, default 00 = online).
  --help               show this text.

Standard output: the pty path first (with --serial), one line per listener, then
"virtual-printer ready" once every channel is up. After that one line per event, each starting
with its channel in brackets, for example:
  [tcp 127.0.20.1:9100 #3] connected from 127.0.0.1:51234
  [tcp 127.0.20.1:9100 #3] print mode: Chinese (1B 4E 03 01)
  [tcp 127.0.20.1:9100 #3] closed after 4 bytes
  [serial /dev/pts/7] serial line: 38400 8N1 CTS
  [serial /dev/pts/7] status query answered: 00
  [fifo /tmp/lp0] Bluetooth name: "Bluetooth Printer" (1F 11 08 01 11)
Known commands show their name, value and bytes; text shows as "text: ...", line feeds as
"line feed", anything else as "unknown: 1B 99". A header whose text comes in a later write (on
TCP: on the next connection) is shown once the text has arrived, or after one quiet second as
incomplete. Data after an upgrade announce is counted until the channel is quiet for a second.

Stops on SIGTERM or SIGINT and removes the FIFOs and tree entries it created.
)";
}

}  // namespace virtual_printer
