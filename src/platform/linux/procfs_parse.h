#pragma once

#include "platform/source.h"

#include <optional>
#include <string>
#include <vector>

namespace platform::linuxbackend {

// The "cpuN" lines of /proc/stat as Windows-style processor times in 100 ns units, in the
// order listed. Idle is idle + iowait; kernel is system + irq + softirq + steal + idle (on
// Windows kernel time includes idle); user is user + nice (guest time is already inside).
// nullopt when no processor line is usable or one is malformed.
std::optional<std::vector<ProcessorTimes>> parseProcStat(const std::string &text, long ticksPerSecond);

// MemTotal and MemAvailable of /proc/meminfo in bytes. Kernels without MemAvailable get
// MemFree + Buffers + Cached instead. nullopt without MemTotal.
std::optional<MemoryStatus> parseMemInfo(const std::string &text);

} // namespace platform::linuxbackend
