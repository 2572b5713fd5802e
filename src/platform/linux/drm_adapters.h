#pragma once

#include "platform/linux/sysroot.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform::linuxbackend {

// A DRM card as the inventory presents it.
struct DrmAdapter {
    std::string card;          // "card0"
    std::string name;          // "Intel UHD Graphics 620"
    std::string vendor;        // "Intel Corporation"; empty when not a listed PCI vendor
    std::string processor;     // the chip as the ID list names it: "WhiskeyLake-U GT2 [UHD Graphics 620]"
    std::string driverVersion; // empty when the driver's module states none
    std::uint64_t vram = 0;    // bytes of dedicated memory, 0 when the driver does not tell
    bool software = false;     // a framebuffer or virtual device without a GPU behind it
};

// Every card, in number order.
std::vector<DrmAdapter> drmAdapters(const SysRoot &root);

} // namespace platform::linuxbackend
