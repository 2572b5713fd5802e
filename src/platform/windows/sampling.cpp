#include "platform/windows/system_library.h"
#include "platform/windows/windows_source.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <thread>

namespace platform::windowsbackend {

namespace {

// SYSTEM_PROCESSOR_PERFORMANCE_INFORMATION, information class 8.
struct ProcessorPerformanceRecord {
    std::int64_t idleTime;
    std::int64_t kernelTime; // includes idle time
    std::int64_t userTime;
    std::int64_t dpcTime;
    std::int64_t interruptTime;
    std::uint32_t interruptCount;
};
static_assert(sizeof(ProcessorPerformanceRecord) == 48, "the kernel writes 48-byte records");

constexpr ULONG kProcessorPerformanceInformation = 8;

using QuerySystemInformation = LONG(WINAPI *)(ULONG, PVOID, ULONG, PULONG);

// Looked up once per process; the static's initialisation is thread-safe.
QuerySystemInformation querySystemInformation()
{
    static const auto function =
        systemCall<QuerySystemInformation>(systemLibrary(L"ntdll.dll"), "NtQuerySystemInformation");
    return function;
}

} // namespace

std::optional<std::vector<ProcessorTimes>> WindowsSource::processorTimes()
{
    const QuerySystemInformation query = querySystemInformation();
    if (!query)
        return std::nullopt;
    const unsigned count = std::max(1u, std::thread::hardware_concurrency());
    std::vector<ProcessorPerformanceRecord> records(count, ProcessorPerformanceRecord{});
    const auto length = static_cast<ULONG>(count * sizeof(ProcessorPerformanceRecord));
    ULONG returned = 0;
    if (query(kProcessorPerformanceInformation, records.data(), length, &returned) != 0)
        return std::nullopt;
    // Fewer processors than asked for (another processor group) leaves trailing records unwritten.
    const std::size_t filled =
        returned == 0 ? count : std::min<std::size_t>(count, returned / sizeof(ProcessorPerformanceRecord));
    std::vector<ProcessorTimes> times;
    times.reserve(filled);
    for (std::size_t i = 0; i < filled; ++i) {
        ProcessorTimes t;
        t.idle = static_cast<std::uint64_t>(records[i].idleTime);
        t.kernel = static_cast<std::uint64_t>(records[i].kernelTime);
        t.user = static_cast<std::uint64_t>(records[i].userTime);
        times.push_back(t);
    }
    if (times.empty())
        return std::nullopt;
    return times;
}

std::optional<MemoryStatus> WindowsSource::memoryStatus()
{
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    if (!GlobalMemoryStatusEx(&status))
        return std::nullopt;
    MemoryStatus result;
    result.totalPhys = status.ullTotalPhys;
    result.availPhys = status.ullAvailPhys;
    return result;
}

} // namespace platform::windowsbackend
