#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/port_catalogue.h"
#include "tests/support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

// A tty entry as sysfs shows it: a directory with a "device" link and, for UARTs, a "type".
void AddTty(const std::string& sysfs, const std::string& name, const char* uartType) {
  const fs::path dir = fs::path(sysfs) / "class/tty" / name;
  fs::create_directories(dir);
  fs::create_directories(fs::path(sysfs) / "devices/fake" / name);
  fs::create_directory_symlink(fs::path(sysfs) / "devices/fake" / name, dir / "device");
  if (uartType != nullptr) {
    std::ofstream(dir / "type") << uartType << "\n";
  }
}

TEST(SerialCatalogue, NamesPresentTtysAndMappedPorts) {
  testsupport::ScratchDir root;
  AddTty(root.path(), "ttyS0", "4");
  AddTty(root.path(), "ttyS1", "0");  // no UART behind it
  AddTty(root.path(), "ttyUSB0", nullptr);
  AddTty(root.path(), "ttyACM2", nullptr);
  fs::create_directories(root.File("class/tty/tty5"));  // a virtual console, no device link
  const platform::PortMap map = {{"COM7", "/dev/pts/4"}, {"LPT1", "/tmp/lp"}};

  std::vector<std::string> names = platform::SerialPortNames(root.path(), map);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"COM1", "COM33", "COM67", "COM7"}));
}

TEST(SerialCatalogue, MissingSysfsGivesOnlyMappedPorts) {
  EXPECT_TRUE(platform::SerialPortNames("/nonexistent-sysfs", {}).empty());
  EXPECT_EQ(platform::SerialPortNames("/nonexistent-sysfs", {{"COM3", "/x"}}),
            std::vector<std::string>{"COM3"});
}

TEST(PortDevicePath, MapFirstThenNamingRule) {
  const platform::PortMap map = {{"COM7", "/dev/pts/4"}, {"LPT2", "/tmp/lp.fifo"}};
  struct Case {
    const char* port;
    const char* expected;
  };
  const Case cases[] = {
      {"COM7", "/dev/pts/4"},
      {"LPT2", "/tmp/lp.fifo"},
      {"COM1", "/d/ttyS0"},
      {"COM32", "/d/ttyS31"},
      {"COM33", "/d/ttyUSB0"},
      {"COM66", "/d/ttyACM1"},
      {"LPT1", "/d/lp0"},
      {"LPT3", "/d/lp2"},
      {"LPT9", ""},
      {"COM0", ""},
      {"COMx", ""},
      {"USB", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::DevicePathForPort(c.port, "/d", map), c.expected) << c.port;
  }
}

}  // namespace
