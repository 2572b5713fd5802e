#include "platform/linux/linux_source.h"
#include "platform/linux/wmi_classes.h"

// Not read on Linux yet: no network adapters.

namespace platform::linuxbackend {

std::vector<NetworkAdapter> LinuxSource::networkAdapters()
{
    return {};
}

} // namespace platform::linuxbackend
