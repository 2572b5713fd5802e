#pragma once

#include "platform/linux/sysroot.h"

#include <cstdint>
#include <istream>
#include <string>

namespace platform::linuxbackend {

// Names the PCI ID list gives a vendor and one of its devices; empty when not listed.
struct PciNames {
    std::string vendor; // "Intel Corporation"
    std::string device; // "WhiskeyLake-U GT2 [UHD Graphics 620]"
};

// Reads the list in the format of pci.ids.
PciNames lookupPciNames(std::istream &ids, std::uint16_t vendor, std::uint16_t device);
// The system's list below the root (/usr/share/misc or /usr/share/hwdata); empty names without one.
PciNames lookupPciNames(const SysRoot &root, std::uint16_t vendor, std::uint16_t device);

// "Intel" from "Intel Corporation", "AMD" from "Advanced Micro Devices, Inc. [AMD/ATI]".
std::string shortVendorName(const std::string &vendor);
// The marketing name an adapter goes by: "Intel UHD Graphics 620"; empty without a device name.
std::string adapterName(const PciNames &names);

} // namespace platform::linuxbackend
