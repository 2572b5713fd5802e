#include "platform/linux/linux_source.h"
#include "platform/linux/wmi_classes.h"

// Not read on Linux yet: no Bluetooth radio.

namespace platform::linuxbackend {

std::optional<Bluetooth> LinuxSource::bluetooth()
{
    return std::nullopt;
}

} // namespace platform::linuxbackend
