#include "platform/linux/linux_source.h"
#include "platform/linux/wmi_classes.h"

// Not read on Linux yet: no display devices.

namespace platform::linuxbackend {

std::vector<DisplayDevice> LinuxSource::displayDevices()
{
    return {};
}

} // namespace platform::linuxbackend
