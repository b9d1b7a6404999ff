#include "tools/virtual-printer/serial_line.h"

#include <gtest/gtest.h>

namespace virtual_printer {
namespace {

struct LineCase {
  speed_t speed;
  tcflag_t flags;
  const char* text;
};

class SerialLineText : public testing::TestWithParam<LineCase> {};

TEST_P(SerialLineText, NamesBaudFramingAndFlowControl) {
  termios settings{};
  cfmakeraw(&settings);
  settings.c_cflag = GetParam().flags;
  cfsetispeed(&settings, GetParam().speed);
  cfsetospeed(&settings, GetParam().speed);
  EXPECT_EQ(DescribeSerialLine(settings), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SerialLineText,
    testing::Values(LineCase{B38400, CS8 | CREAD | CLOCAL | CRTSCTS, "38400 8N1 CTS"},
                    LineCase{B115200, CS8 | CREAD, "115200 8N1"},
                    LineCase{B9600, CS7 | PARENB, "9600 7E1"},
                    LineCase{B1200, CS8 | PARENB | PARODD | CSTOPB, "1200 8O2"},
                    LineCase{B19200, CS5, "19200 5N1"}));

}  // namespace
}  // namespace virtual_printer
