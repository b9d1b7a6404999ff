#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/usb_devices.h"

namespace varnex::link {

// A vendor/product pair as the printer table writes it: "VID_0416", "PID_5011" (upper case).
struct UsbIdPair {
  std::string vendor;
  std::string product;
  bool operator==(const UsbIdPair&) const = default;
};

// The vendor/product pairs of the supported printers.
const std::vector<UsbIdPair>& AcceptedUsbIds();
bool IsAcceptedUsbId(const UsbIdPair& pair);

// The pair of a device as the table writes it, from the ids sysfs reports ("0fe6" -> "VID_0FE6").
UsbIdPair UsbIdPairOf(const std::string& vendorId, const std::string& productId);

// The pair of the first present device (in bus order) that the table accepts; the devices after
// it are not examined.
std::optional<UsbIdPair> FindUsbPrinter(const std::vector<platform::UsbDeviceRecord>& devices);

// The node of the first printer interface that belongs to a device with this pair.
std::optional<std::string> FindDeviceInterfacePath(
    const std::vector<platform::UsbPrinterInterface>& interfaces, const UsbIdPair& pair);

}  // namespace varnex::link
