#include "platform/linux/linux_source.h"
#include "platform/linux/wmi_classes.h"

// Not read on Linux yet: firmware type and Secure Boot are unknown.

namespace platform::linuxbackend {

std::optional<std::uint32_t> LinuxSource::firmwareType()
{
    return std::nullopt;
}

std::optional<std::uint32_t> LinuxSource::secureBootEnabled()
{
    return std::nullopt;
}

} // namespace platform::linuxbackend
