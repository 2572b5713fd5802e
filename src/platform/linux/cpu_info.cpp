#include "platform/linux/cpu_info.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>
#include <utility>

namespace platform::linuxbackend {

namespace {

constexpr int kMaxCpus = 1 << 16;

std::optional<long long> number(const std::string &text)
{
    if (text.empty())
        return std::nullopt;
    errno = 0;
    char *end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0')
        return std::nullopt;
    return value;
}

std::optional<int> fieldNumber(const CpuInfoBlock *block, const char *name)
{
    if (!block)
        return std::nullopt;
    const auto it = block->find(name);
    if (it == block->end())
        return std::nullopt;
    const auto value = number(it->second);
    if (!value || *value < 0 || *value > kMaxCpus)
        return std::nullopt;
    return static_cast<int>(*value);
}

const CpuInfoBlock *blockOf(const std::vector<CpuInfoBlock> &cpuinfo, int cpu)
{
    for (const auto &block : cpuinfo) {
        if (fieldNumber(&block, "processor") == cpu)
            return &block;
    }
    return nullptr;
}

std::optional<int> sysfsNumber(const SysRoot &root, const std::string &path)
{
    const auto value = root.readInteger(path);
    if (!value || *value < 0 || *value > kMaxCpus)
        return std::nullopt;
    return static_cast<int>(*value);
}

std::string cpuPath(int cpu)
{
    return "/sys/devices/system/cpu/cpu" + std::to_string(cpu);
}

// The base clock where the driver tells it, else the highest clock.
std::optional<int> maxClockMhz(const SysRoot &root, int cpu)
{
    for (const char *name : {"/cpufreq/base_frequency", "/cpufreq/cpuinfo_max_freq"}) {
        const auto khz = root.readInteger(cpuPath(cpu) + name);
        if (khz && *khz > 0 && *khz < 100000000)
            return static_cast<int>((*khz + 500) / 1000);
    }
    return std::nullopt;
}

void addCaches(const SysRoot &root, int cpu, std::set<std::pair<int, std::string>> &seen, CpuPackage &package)
{
    const std::string base = cpuPath(cpu) + "/cache/";
    for (const auto &index : root.listDir(base)) {
        if (index.rfind("index", 0) != 0)
            continue;
        const std::string dir = base + index + "/";
        const auto level = root.readInteger(dir + "level");
        const auto type = root.readAttribute(dir + "type");
        const auto size = root.readAttribute(dir + "size");
        if (!level || (*level != 2 && *level != 3) || !size || type == std::string("Instruction"))
            continue;
        const auto kb = parseCacheSizeKb(*size);
        if (!kb)
            continue;
        // One cache shared by several processors is counted once.
        const auto shared = root.readAttribute(dir + "shared_cpu_list");
        const std::string identity = shared ? *shared : "cpu" + std::to_string(cpu);
        if (!seen.emplace(static_cast<int>(*level), identity).second)
            continue;
        (*level == 2 ? package.l2Kb : package.l3Kb) += *kb;
    }
}

} // namespace

std::vector<CpuInfoBlock> parseCpuInfo(const std::string &text)
{
    std::vector<CpuInfoBlock> blocks;
    CpuInfoBlock current;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const auto colon = line.find(':');
        if (trim(line).empty() || colon == std::string::npos) {
            if (!current.empty())
                blocks.push_back(std::move(current));
            current.clear();
            continue;
        }
        const std::string key = trim(line.substr(0, colon));
        if (key == "processor" && current.count("processor")) {
            blocks.push_back(std::move(current));
            current.clear();
        }
        current[key] = trim(line.substr(colon + 1));
    }
    if (!current.empty())
        blocks.push_back(std::move(current));
    return blocks;
}

std::optional<std::set<int>> parseCpuList(const std::string &text)
{
    std::set<int> cpus;
    std::istringstream parts(trim(text));
    std::string part;
    while (std::getline(parts, part, ',')) {
        const auto dash = part.find('-');
        const auto first = number(trim(part.substr(0, dash)));
        const auto last = dash == std::string::npos ? first : number(trim(part.substr(dash + 1)));
        if (!first || !last || *first < 0 || *last < *first || *last >= kMaxCpus)
            return std::nullopt;
        for (long long cpu = *first; cpu <= *last; ++cpu)
            cpus.insert(static_cast<int>(cpu));
    }
    if (cpus.empty())
        return std::nullopt;
    return cpus;
}

std::optional<unsigned long long> parseCacheSizeKb(const std::string &text)
{
    const std::string value = trim(text);
    if (value.empty())
        return std::nullopt;
    unsigned long long scale = 1;
    std::string digits = value;
    if (value.back() == 'K') {
        digits.pop_back();
    } else if (value.back() == 'M') {
        digits.pop_back();
        scale = 1024;
    } else if (value.back() == 'G') {
        digits.pop_back();
        scale = 1024 * 1024;
    }
    const auto n = number(digits);
    if (!n || *n < 0 || *n > (1LL << 40))
        return std::nullopt;
    return static_cast<unsigned long long>(*n) * scale;
}

std::vector<CpuPackage> cpuPackages(const SysRoot &root, const std::vector<CpuInfoBlock> &cpuinfo)
{
    std::set<int> online;
    if (const auto list = root.readAttribute("/sys/devices/system/cpu/online")) {
        if (auto parsed = parseCpuList(*list))
            online = std::move(*parsed);
    }
    if (online.empty()) {
        for (const auto &block : cpuinfo) {
            if (const auto cpu = fieldNumber(&block, "processor"))
                online.insert(*cpu);
        }
    }

    std::map<int, CpuPackage> packages;
    std::map<int, std::set<std::pair<int, int>>> cores;
    for (const int cpu : online) {
        const CpuInfoBlock *block = blockOf(cpuinfo, cpu);
        const std::string topology = cpuPath(cpu) + "/topology/";
        const int packageId = sysfsNumber(root, topology + "physical_package_id")
                                  .value_or(fieldNumber(block, "physical id").value_or(0));
        const int die = sysfsNumber(root, topology + "die_id").value_or(0);
        const int core =
            sysfsNumber(root, topology + "core_id").value_or(fieldNumber(block, "core id").value_or(cpu));
        CpuPackage &package = packages[packageId];
        package.id = packageId;
        package.cpus.push_back(cpu);
        cores[packageId].emplace(die, core);
    }

    std::vector<CpuPackage> result;
    for (auto &[id, package] : packages) {
        package.cores = static_cast<int>(cores[id].size());
        std::set<std::pair<int, std::string>> seen;
        for (const int cpu : package.cpus)
            addCaches(root, cpu, seen, package);
        package.maxClockMhz = maxClockMhz(root, package.cpus.front());
        result.push_back(std::move(package));
    }
    return result;
}

} // namespace platform::linuxbackend
