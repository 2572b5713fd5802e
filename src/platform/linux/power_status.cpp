#include "platform/linux/linux_source.h"
#include "platform/linux/wmi_classes.h"

// Not read on Linux yet: the power status is unknown.

namespace platform::linuxbackend {

std::optional<PowerStatus> LinuxSource::powerStatus()
{
    return std::nullopt;
}

} // namespace platform::linuxbackend
