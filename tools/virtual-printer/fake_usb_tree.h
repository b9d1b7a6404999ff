#pragma once

#include <optional>
#include <string>
#include <vector>

namespace virtual_printer {

// One USB device to put into a fake device tree. The tree is laid out as Linux lays out sysfs
// and /dev, so programs pointed at <root>/sys and <root>/dev find the device as on a real
// machine:
//   <root>/sys/devices/usb<bus>/<sysName>/idVendor, idProduct     ("0416\n")
//   <root>/sys/devices/usb<bus>/<sysName>/<sysName>:1.0/           (interface, class 07)
//   <root>/sys/bus/usb/devices/<sysName>        -> ../../../devices/usb<bus>/<sysName>
//   <root>/sys/bus/usb/devices/<sysName>:1.0    ->
//   ../../../devices/usb<bus>/<sysName>/<sysName>:1.0
// and, for a printer (lpNumber set):
//   <interface>/usbmisc/lp<N>/device            -> ../../
//   <root>/sys/class/usbmisc/lp<N>              ->
//   ../../devices/usb<bus>/<sysName>/<sysName>:1.0/usbmisc/lp<N> <root>/dev/usb/lp<N> a FIFO
//   standing in for the device node
struct FakeUsbDevice {
  std::string sysName = "1-1";  // "<bus>-<port>", e.g. "1-1" or "1-2"
  unsigned vendorId = 0;
  unsigned productId = 0;
  std::optional<int> lpNumber;  // a printer interface with node lp<N>; none: a plain device
};

struct FakeUsbResult {
  std::string error;                 // empty on success
  std::string nodePath;              // <root>/dev/usb/lp<N> for a printer, else empty
  std::vector<std::string> created;  // every path made, in order of creation
};

// Adds the device to the tree under `root` (created when missing). Paths that already exist
// with the right kind are kept; ids are rewritten. On failure, what was created is removed again.
FakeUsbResult AddFakeUsbDevice(const std::string& root, const FakeUsbDevice& device);

// Removes the paths in reverse order of creation; a directory is removed only when empty.
void RemoveCreatedPaths(const std::vector<std::string>& created);

}  // namespace virtual_printer
