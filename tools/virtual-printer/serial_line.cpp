#include "tools/virtual-printer/serial_line.h"

#include <array>
#include <utility>

namespace virtual_printer {
namespace {

constexpr std::array<std::pair<speed_t, const char*>, 19> kBaudRates{{
    {B0, "0"},           {B50, "50"},           {B75, "75"},           {B110, "110"},
    {B300, "300"},       {B600, "600"},         {B1200, "1200"},       {B2400, "2400"},
    {B4800, "4800"},     {B9600, "9600"},       {B19200, "19200"},     {B38400, "38400"},
    {B57600, "57600"},   {B115200, "115200"},   {B230400, "230400"},   {B460800, "460800"},
    {B921600, "921600"}, {B1000000, "1000000"}, {B2000000, "2000000"},
}};

std::string BaudText(speed_t speed) {
  for (const auto& [code, text] : kBaudRates) {
    if (code == speed) {
      return text;
    }
  }
  return "unknown-baud";
}

char DataBits(tcflag_t flags) {
  switch (flags & CSIZE) {
    case CS5:
      return '5';
    case CS6:
      return '6';
    case CS7:
      return '7';
    default:
      return '8';
  }
}

char Parity(tcflag_t flags) {
  if ((flags & PARENB) == 0) {
    return 'N';
  }
  return (flags & PARODD) != 0 ? 'O' : 'E';
}

}  // namespace

std::string DescribeSerialLine(const termios& settings) {
  std::string text = BaudText(cfgetospeed(&settings)) + " ";
  text.push_back(DataBits(settings.c_cflag));
  text.push_back(Parity(settings.c_cflag));
  text.push_back((settings.c_cflag & CSTOPB) != 0 ? '2' : '1');
  if ((settings.c_cflag & CRTSCTS) != 0) {
    text += " CTS";
  }
  return text;
}

}  // namespace virtual_printer
