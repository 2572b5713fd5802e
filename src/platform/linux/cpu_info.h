#pragma once

#include "platform/linux/sysroot.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace platform::linuxbackend {

// One "processor" block of /proc/cpuinfo: field name to value, both trimmed.
using CpuInfoBlock = std::map<std::string, std::string>;
std::vector<CpuInfoBlock> parseCpuInfo(const std::string &text);

// A kernel CPU list ("0-3,8,10-11"); nullopt when malformed or absurdly large.
std::optional<std::set<int>> parseCpuList(const std::string &text);

// A sysfs cache size ("1280K", "8M", "512") in kilobytes; nullopt when malformed.
std::optional<unsigned long long> parseCacheSizeKb(const std::string &text);

// The processors of one physical package as the system reports them.
struct CpuPackage {
    int id = 0;
    std::vector<int> cpus;       // online logical processors, ascending
    int cores = 0;               // distinct (die, core) pairs among them
    unsigned long long l2Kb = 0; // summed over distinct cache instances
    unsigned long long l3Kb = 0;
    std::optional<int> maxClockMhz;
};

// Packages in ascending id order, from sysfs topology, falling back to /proc/cpuinfo fields.
std::vector<CpuPackage> cpuPackages(const SysRoot &root, const std::vector<CpuInfoBlock> &cpuinfo);

} // namespace platform::linuxbackend
