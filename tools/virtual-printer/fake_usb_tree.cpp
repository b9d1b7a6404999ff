#include "tools/virtual-printer/fake_usb_tree.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace virtual_printer {
namespace {

namespace fs = std::filesystem;

// Builds the tree step by step and remembers what it made.
class TreeBuilder {
 public:
  explicit TreeBuilder(FakeUsbResult& result) : result_(result) {}

  bool Directory(const fs::path& path) {
    std::error_code error;
    if (fs::is_directory(path, error)) {
      return true;
    }
    if (path.has_parent_path() && path.parent_path() != path && !Directory(path.parent_path())) {
      return false;
    }
    if (!fs::create_directory(path, error) && !fs::is_directory(path)) {
      return Fail("cannot create directory " + path.string() + ": " + error.message());
    }
    Made(path);
    return true;
  }

  bool File(const fs::path& path, const std::string& content) {
    std::error_code error;
    const bool existed = fs::exists(path, error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    out.close();
    if (!out) {
      return Fail("cannot write " + path.string());
    }
    if (!existed) {
      Made(path);
    }
    return true;
  }

  bool Link(const fs::path& path, const fs::path& target) {
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(path, error))) {
      if (fs::read_symlink(path, error) == target) {
        return true;
      }
      return Fail("a different link is already at " + path.string());
    }
    fs::create_symlink(target, path, error);
    if (error) {
      return Fail("cannot create link " + path.string() + ": " + error.message());
    }
    Made(path);
    return true;
  }

  bool Fifo(const fs::path& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0) {
      return S_ISFIFO(info.st_mode) ? true : Fail(path.string() + " exists and is not a FIFO");
    }
    if (::mkfifo(path.c_str(), 0666) != 0) {
      return Fail("cannot create FIFO " + path.string() + ": " + std::strerror(errno));
    }
    Made(path);
    return true;
  }

 private:
  bool Fail(const std::string& message) {
    result_.error = message;
    return false;
  }
  void Made(const fs::path& path) { result_.created.push_back(path.string()); }

  FakeUsbResult& result_;
};

std::string IdText(unsigned id) {
  char text[8];
  std::snprintf(text, sizeof text, "%04x\n", id & 0xFFFFu);
  return text;
}

bool ValidSysName(const std::string& name) {
  const auto dash = name.find('-');
  return dash != std::string::npos && dash > 0 && dash + 1 < name.size() &&
         name.find_first_of("/:") == std::string::npos;
}

}  // namespace

FakeUsbResult AddFakeUsbDevice(const std::string& root, const FakeUsbDevice& device) {
  FakeUsbResult result;
  if (!ValidSysName(device.sysName)) {
    result.error = "a USB device name looks like 1-1, not \"" + device.sysName + "\"";
    return result;
  }
  if (device.lpNumber && *device.lpNumber < 0) {
    result.error = "a printer node number cannot be negative";
    return result;
  }
  const std::string bus = "usb" + device.sysName.substr(0, device.sysName.find('-'));
  const std::string interfaceName = device.sysName + ":1.0";
  const fs::path sys = fs::path(root) / "sys";
  const fs::path deviceDir = sys / "devices" / bus / device.sysName;
  const fs::path interfaceDir = deviceDir / interfaceName;
  const fs::path busDevices = sys / "bus/usb/devices";
  const fs::path deviceInBus = fs::path("../../../devices") / bus / device.sysName;

  TreeBuilder tree(result);
  bool ok = tree.Directory(interfaceDir) &&
            tree.File(deviceDir / "idVendor", IdText(device.vendorId)) &&
            tree.File(deviceDir / "idProduct", IdText(device.productId)) &&
            tree.File(interfaceDir / "bInterfaceClass", "07\n") && tree.Directory(busDevices) &&
            tree.Link(busDevices / device.sysName, deviceInBus) &&
            tree.Link(busDevices / interfaceName, deviceInBus / interfaceName);
  if (ok && device.lpNumber) {
    const std::string lp = "lp" + std::to_string(*device.lpNumber);
    const fs::path usbmisc = interfaceDir / "usbmisc" / lp;
    const fs::path classDir = sys / "class/usbmisc";
    const fs::path devUsb = fs::path(root) / "dev/usb";
    ok = tree.Directory(usbmisc) && tree.Link(usbmisc / "device", "../../") &&
         tree.Directory(classDir) &&
         tree.Link(classDir / lp, fs::path("../../devices") / bus / device.sysName / interfaceName /
                                      "usbmisc" / lp) &&
         tree.Directory(devUsb) && tree.Fifo(devUsb / lp);
    if (ok) {
      result.nodePath = (devUsb / lp).string();
    }
  }
  if (!ok) {
    RemoveCreatedPaths(result.created);
    result.created.clear();
  }
  return result;
}

void RemoveCreatedPaths(const std::vector<std::string>& created) {
  for (auto it = created.rbegin(); it != created.rend(); ++it) {
    std::error_code error;
    fs::remove(*it, error);  // removes files, links and empty directories only
  }
}

}  // namespace virtual_printer
