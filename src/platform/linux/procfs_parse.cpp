#include "platform/linux/procfs_parse.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <sstream>

namespace platform::linuxbackend {

namespace {

std::optional<std::uint64_t> parseCount(const std::string &word)
{
    if (word.empty() || word[0] < '0' || word[0] > '9')
        return std::nullopt;
    errno = 0;
    char *end = nullptr;
    const unsigned long long value = std::strtoull(word.c_str(), &end, 10);
    if (errno != 0 || *end != '\0')
        return std::nullopt;
    return value;
}

// Clock ticks to 100 ns units without overflowing the intermediate product.
std::uint64_t ticksTo100ns(std::uint64_t ticks, std::uint64_t perSecond)
{
    constexpr std::uint64_t unitsPerSecond = 10'000'000;
    return ticks / perSecond * unitsPerSecond + ticks % perSecond * unitsPerSecond / perSecond;
}

bool isProcessorLine(const std::string &label)
{
    if (label.size() <= 3 || label.compare(0, 3, "cpu") != 0)
        return false;
    for (std::size_t i = 3; i < label.size(); ++i) {
        if (label[i] < '0' || label[i] > '9')
            return false;
    }
    return true;
}

} // namespace

std::optional<std::vector<ProcessorTimes>> parseProcStat(const std::string &text, long ticksPerSecond)
{
    if (ticksPerSecond <= 0)
        return std::nullopt;
    const auto perSecond = static_cast<std::uint64_t>(ticksPerSecond);
    std::vector<ProcessorTimes> result;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string label;
        words >> label;
        if (!isProcessorLine(label))
            continue;
        // user nice system idle iowait irq softirq steal guest guest_nice; older kernels stop early.
        std::uint64_t field[8] = {};
        int count = 0;
        std::string word;
        while (count < 8 && words >> word) {
            const auto value = parseCount(word);
            if (!value)
                return std::nullopt;
            field[count++] = *value;
        }
        if (count < 4)
            return std::nullopt;
        const std::uint64_t idle = field[3] + field[4];
        const std::uint64_t busyKernel = field[2] + field[5] + field[6] + field[7];
        ProcessorTimes times;
        times.idle = ticksTo100ns(idle, perSecond);
        times.kernel = ticksTo100ns(busyKernel + idle, perSecond);
        times.user = ticksTo100ns(field[0] + field[1], perSecond);
        result.push_back(times);
    }
    if (result.empty())
        return std::nullopt;
    return result;
}

std::optional<MemoryStatus> parseMemInfo(const std::string &text)
{
    std::map<std::string, std::uint64_t> kib;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string key, number;
        words >> key >> number;
        if (key.size() < 2 || key.back() != ':')
            continue;
        if (const auto value = parseCount(number))
            kib[key.substr(0, key.size() - 1)] = *value;
    }
    const auto total = kib.find("MemTotal");
    if (total == kib.end() || total->second == 0)
        return std::nullopt;
    std::uint64_t availableKib = 0;
    if (const auto available = kib.find("MemAvailable"); available != kib.end())
        availableKib = available->second;
    else
        availableKib = kib["MemFree"] + kib["Buffers"] + kib["Cached"];

    MemoryStatus status;
    status.totalPhys = total->second * 1024;
    status.availPhys = availableKib * 1024;
    return status;
}

} // namespace platform::linuxbackend
