#include "tools/virtual-printer/fake_usb_tree.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/usb_devices.h"
#include "tests/support/scratch_dir.h"

namespace virtual_printer {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool IsFifo(const fs::path& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

TEST(FakeUsbTree, LaysOutOnePrinterAsLinuxDoes) {
  testsupport::ScratchDir scratch;
  const fs::path root = scratch.path();
  const FakeUsbResult made = AddFakeUsbDevice(root, {"1-1", 0x0416, 0x5011, 0});
  ASSERT_EQ(made.error, "");
  EXPECT_EQ(made.nodePath, (root / "dev/usb/lp0").string());

  const fs::path device = root / "sys/devices/usb1/1-1";
  EXPECT_EQ(ReadAll(device / "idVendor"), "0416\n");
  EXPECT_EQ(ReadAll(device / "idProduct"), "5011\n");
  EXPECT_TRUE(fs::is_directory(device / "1-1:1.0"));
  EXPECT_EQ(fs::read_symlink(root / "sys/bus/usb/devices/1-1"), "../../../devices/usb1/1-1");
  EXPECT_EQ(fs::read_symlink(root / "sys/bus/usb/devices/1-1:1.0"),
            "../../../devices/usb1/1-1/1-1:1.0");
  EXPECT_EQ(fs::read_symlink(device / "1-1:1.0/usbmisc/lp0/device"), "../../");
  EXPECT_EQ(fs::read_symlink(root / "sys/class/usbmisc/lp0"),
            "../../devices/usb1/1-1/1-1:1.0/usbmisc/lp0");
  EXPECT_EQ(fs::canonical(root / "sys/class/usbmisc/lp0/device"),
            fs::canonical(device / "1-1:1.0"));
  EXPECT_TRUE(IsFifo(root / "dev/usb/lp0"));
}

// The platform layer, pointed at the fake tree, finds both devices and the printer interfaces.
TEST(FakeUsbTree, IsReadByThePlatformLayer) {
  testsupport::ScratchDir scratch;
  const std::string root = scratch.path();
  ASSERT_EQ(AddFakeUsbDevice(root, {"1-1", 0x0416, 0x5011, 0}).error, "");
  ASSERT_EQ(AddFakeUsbDevice(root, {"1-2", 0x0483, 0x070B, 1}).error, "");
  ASSERT_EQ(AddFakeUsbDevice(root, {"2-1", 0x1D6B, 0x0002, std::nullopt}).error, "");

  const auto devices = platform::PresentUsbDevices(root + "/sys");
  ASSERT_EQ(devices.size(), 3u);
  EXPECT_EQ(devices[0].sysName, "1-1");
  EXPECT_EQ(devices[1].vendorId, "0483");
  EXPECT_EQ(devices[1].productId, "070b");
  EXPECT_EQ(devices[2].sysName, "2-1");

  const auto printers = platform::PresentUsbPrinterInterfaces(root + "/sys", root + "/dev");
  ASSERT_EQ(printers.size(), 2u);
  EXPECT_EQ(printers[0].devicePath, root + "/dev/usb/lp0");
  EXPECT_EQ(printers[0].vendorId, "0416");
  EXPECT_EQ(printers[0].productId, "5011");
  EXPECT_EQ(printers[1].devicePath, root + "/dev/usb/lp1");
  EXPECT_EQ(printers[1].vendorId, "0483");
}

TEST(FakeUsbTree, RemovesOnlyWhatItMade) {
  testsupport::ScratchDir scratch;
  const fs::path root = fs::path(scratch.path()) / "tree";
  const FakeUsbResult first = AddFakeUsbDevice(root, {"1-1", 0x0416, 0x5011, 0});
  const FakeUsbResult second = AddFakeUsbDevice(root, {"1-2", 0x0416, 0x5012, 1});
  ASSERT_EQ(second.error, "");
  RemoveCreatedPaths(second.created);
  EXPECT_FALSE(fs::exists(root / "dev/usb/lp1"));
  EXPECT_FALSE(fs::exists(fs::symlink_status(root / "sys/class/usbmisc/lp1")));
  EXPECT_TRUE(IsFifo(root / "dev/usb/lp0"));
  EXPECT_EQ(ReadAll(root / "sys/devices/usb1/1-1/idProduct"), "5011\n");
  RemoveCreatedPaths(first.created);
  EXPECT_FALSE(fs::exists(root));
}

TEST(FakeUsbTree, RefusesABadName) {
  testsupport::ScratchDir scratch;
  const FakeUsbResult made = AddFakeUsbDevice(scratch.path(), {"lp0", 1, 2, 0});
  EXPECT_NE(made.error, "");
  EXPECT_TRUE(made.created.empty());
  EXPECT_TRUE(fs::is_empty(scratch.path()));
}

TEST(FakeUsbTree, RefusesANodeThatIsNotAFifo) {
  testsupport::ScratchDir scratch;
  const fs::path root = scratch.path();
  fs::create_directories(root / "dev/usb");
  std::ofstream(root / "dev/usb/lp0") << "file";
  const FakeUsbResult made = AddFakeUsbDevice(root, {"1-1", 0x0416, 0x5011, 0});
  EXPECT_NE(made.error.find("not a FIFO"), std::string::npos) << made.error;
  EXPECT_FALSE(fs::exists(root / "sys")) << "a failed build leaves nothing behind";
}

}  // namespace
}  // namespace virtual_printer
