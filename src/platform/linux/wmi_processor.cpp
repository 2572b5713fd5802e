#include "platform/linux/cpu_info.h"
#include "platform/linux/dmi_text.h"
#include "platform/linux/smbios_table.h"
#include "platform/linux/system_classes.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <sstream>

namespace platform::linuxbackend {

namespace {

constexpr std::uint8_t kCentralProcessor = 3;

std::string field(const CpuInfoBlock &block, const char *name)
{
    const auto it = block.find(name);
    return it == block.end() ? std::string() : meaningfulFirmwareText(it->second);
}

bool hasFlag(const CpuInfoBlock &block, const std::string &flag)
{
    const auto it = block.find("flags");
    if (it == block.end())
        return false;
    std::istringstream words(it->second);
    std::string word;
    while (words >> word) {
        if (word == flag)
            return true;
    }
    return false;
}

const CpuInfoBlock &blockOf(const std::vector<CpuInfoBlock> &cpuinfo, int cpu)
{
    for (const auto &block : cpuinfo) {
        const auto it = block.find("processor");
        if (it != block.end() && it->second == std::to_string(cpu))
            return block;
    }
    return cpuinfo.front();
}

// As Windows spells it: leaf 1 EDX then EAX, in hexadecimal.
std::string processorId(const SysRoot &root)
{
    const auto leaf1 = cpuidOnLiveRoot(root, 1, std::nullopt);
    if (!leaf1)
        return {};
    char text[17];
    std::snprintf(text, sizeof text, "%08X%08X", leaf1->edx, leaf1->eax);
    return text;
}

} // namespace

Rows processorRows(const SysRoot &root)
{
    const auto text = root.readFile("/proc/cpuinfo", 8 << 20);
    if (!text)
        return {};
    const auto cpuinfo = parseCpuInfo(*text);
    if (cpuinfo.empty())
        return {};

    // Sockets in table order, matched to packages in id order.
    std::vector<smbios::Processor> sockets;
    if (const auto table = readSmbiosTable(root)) {
        for (auto &processor : smbios::processors(*table)) {
            if (processor.populated && processor.processorType == kCentralProcessor)
                sockets.push_back(std::move(processor));
        }
    }
    const std::string id = processorId(root);

    Rows rows;
    for (const auto &package : cpuPackages(root, cpuinfo)) {
        const CpuInfoBlock &block = blockOf(cpuinfo, package.cpus.front());
        Row row;
        if (const auto name = field(block, "model name"); !name.empty())
            row["Name"] = name;
        if (const auto vendor = field(block, "vendor_id"); !vendor.empty())
            row["Manufacturer"] = vendor;
        row["NumberOfCores"] = static_cast<std::int32_t>(package.cores);
        row["NumberOfLogicalProcessors"] = static_cast<std::int32_t>(package.cpus.size());
        if (package.maxClockMhz)
            row["MaxClockSpeed"] = static_cast<std::int32_t>(*package.maxClockMhz);
        if (package.l2Kb)
            row["L2CacheSize"] =
                static_cast<std::int32_t>(std::min<unsigned long long>(package.l2Kb, INT32_MAX));
        if (package.l3Kb)
            row["L3CacheSize"] =
                static_cast<std::int32_t>(std::min<unsigned long long>(package.l3Kb, INT32_MAX));
        row["VirtualizationFirmwareEnabled"] = hasFlag(block, "vmx") || hasFlag(block, "svm");
        if (!id.empty())
            row["ProcessorId"] = id;
        if (rows.size() < sockets.size()) {
            const auto &socket = sockets[rows.size()];
            if (const auto name = meaningfulFirmwareText(socket.socketDesignation); !name.empty())
                row["SocketDesignation"] = name;
            if (socket.upgrade)
                row["UpgradeMethod"] = static_cast<std::int32_t>(*socket.upgrade);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace platform::linuxbackend
