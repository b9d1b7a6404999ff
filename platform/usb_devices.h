#pragma once

#include <string>
#include <vector>

namespace platform {

// One USB device present on the bus, as sysfs describes it. The ids are the texts of the
// idVendor and idProduct files (four lower-case hexadecimal digits on Linux).
struct UsbDeviceRecord {
  std::string sysName;  // "1-1.4"
  std::string vendorId;
  std::string productId;
};

// One printer-class interface (usblp driver) and the device it belongs to.
struct UsbPrinterInterface {
  std::string devicePath;  // <dev root>/usb/lp0
  std::string vendorId;
  std::string productId;
};

// USB devices under <sysfs root>/bus/usb/devices that carry idVendor and idProduct, in the
// order of their directory names (the enumeration order of the bus). Interfaces and root hubs
// without both files are skipped.
std::vector<UsbDeviceRecord> PresentUsbDevices(const std::string& sysfsRoot);
std::vector<UsbDeviceRecord> PresentUsbDevices();

// Printer interfaces under <sysfs root>/class/usbmisc/lp*, ordered by their number. The owning
// device is found through the entry's "device" link (the USB interface), whose parent directory
// holds idVendor and idProduct.
std::vector<UsbPrinterInterface> PresentUsbPrinterInterfaces(const std::string& sysfsRoot,
                                                             const std::string& devRoot);
std::vector<UsbPrinterInterface> PresentUsbPrinterInterfaces();

}  // namespace platform
