#include "platform/linux/linux_source.h"
#include "platform/linux/wmi_classes.h"

// Not read on Linux yet: no processor times or memory status.

namespace platform::linuxbackend {

std::optional<std::vector<ProcessorTimes>> LinuxSource::processorTimes()
{
    return std::nullopt;
}

std::optional<MemoryStatus> LinuxSource::memoryStatus()
{
    return std::nullopt;
}

} // namespace platform::linuxbackend
