#pragma once

#include "platform/linux/sysroot.h"

#include <cstdint>
#include <istream>
#include <string>

namespace platform::linuxbackend {

// Vendor and device names of one id pair in an ids database (pci.ids, usb.ids); a part that is
// not listed stays empty.
struct HardwareNames {
    std::string vendor;
    std::string device;
};

HardwareNames lookupIds(std::istream &ids, std::uint16_t vendor, std::uint16_t device);

// The system's databases, read below the root; empty names when no database is installed.
HardwareNames pciNames(const SysRoot &root, std::uint16_t vendor, std::uint16_t device);
HardwareNames usbNames(const SysRoot &root, std::uint16_t vendor, std::uint16_t device);

} // namespace platform::linuxbackend
