#pragma once

#include "platform/linux/sysroot.h"
#include "platform/smbios.h"

#include <optional>
#include <vector>

namespace platform::linuxbackend {

// The structures of /sys/firmware/dmi/tables/DMI; nullopt when it cannot be read (it needs root).
std::optional<std::vector<smbios::Structure>> readSmbiosTable(const SysRoot &root);

} // namespace platform::linuxbackend
