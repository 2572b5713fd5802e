#pragma once

#include "platform/linux/hwids.h"

#include <string>

namespace platform::linuxbackend {

// "Intel" from "Intel Corporation", "AMD" from "Advanced Micro Devices, Inc. [AMD/ATI]".
std::string shortVendorName(const std::string &vendor);
// The marketing name an adapter goes by: "Intel UHD Graphics 620"; empty without a device name.
std::string adapterName(const HardwareNames &names);

} // namespace platform::linuxbackend
