#include "platform/linux/linux_source.h"
#include "platform/linux/procfs_parse.h"

#include <unistd.h>

namespace platform::linuxbackend {

std::optional<std::vector<ProcessorTimes>> LinuxSource::processorTimes()
{
    const auto text = root_.readFile("/proc/stat");
    if (!text)
        return std::nullopt;
    return parseProcStat(*text, sysconf(_SC_CLK_TCK));
}

std::optional<MemoryStatus> LinuxSource::memoryStatus()
{
    const auto text = root_.readFile("/proc/meminfo");
    if (!text)
        return std::nullopt;
    return parseMemInfo(*text);
}

} // namespace platform::linuxbackend
