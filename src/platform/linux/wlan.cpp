#include "platform/linux/linux_source.h"
#include "platform/linux/wmi_classes.h"

// Not read on Linux yet: no WLAN interfaces.

namespace platform::linuxbackend {

std::vector<WlanInterface> LinuxSource::wlanInterfaces()
{
    return {};
}

} // namespace platform::linuxbackend
