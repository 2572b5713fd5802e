#include "platform/linux/linux_source.h"
#include "platform/linux/wmi_classes.h"

// Not read on Linux yet: no CPUID answers.

namespace platform::linuxbackend {

std::optional<CpuidRegisters> LinuxSource::cpuid(std::uint32_t, std::optional<std::uint32_t>)
{
    return std::nullopt;
}

} // namespace platform::linuxbackend
