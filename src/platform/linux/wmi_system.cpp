#include "platform/linux/dmi_text.h"
#include "platform/linux/system_classes.h"
#include "platform/linux/wmi_classes.h"

#include <cctype>

namespace platform::linuxbackend {

namespace {

const char *const kCimv2 = "ROOT\\CIMV2";

void putDmi(Row &row, const char *name, const SysRoot &root, const char *attribute)
{
    const std::string text = dmiText(root, attribute);
    if (!text.empty())
        row[name] = text;
}

// A bare version number ("1.0", "V1.2") in product_version names no family.
bool isBareVersion(const std::string &text)
{
    std::size_t i = (!text.empty() && (text[0] == 'v' || text[0] == 'V')) ? 1 : 0;
    if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i])))
        return false;
    for (; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])) && text[i] != '.')
            return false;
    }
    return true;
}

std::string systemType(const std::string &architecture)
{
    if (architecture == "x86_64")
        return "x64-based PC";
    if (architecture.size() == 4 && architecture[0] == 'i' && architecture.compare(2, 2, "86") == 0)
        return "X86-based PC";
    if (architecture == "aarch64")
        return "ARM64-based PC";
    return {};
}

std::optional<unsigned long long> totalMemoryBytes(const SysRoot &root)
{
    const auto meminfo = root.readFile("/proc/meminfo", 64 * 1024);
    if (!meminfo)
        return std::nullopt;
    const auto at = meminfo->find("MemTotal:");
    if (at == std::string::npos)
        return std::nullopt;
    const auto kb = std::strtoull(meminfo->c_str() + at + 9, nullptr, 10);
    if (kb == 0 || kb > (1ULL << 50))
        return std::nullopt;
    return kb * 1024;
}

} // namespace

Rows computerSystemRows(const SysRoot &root)
{
    Row row;
    putDmi(row, "Manufacturer", root, "sys_vendor");
    putDmi(row, "Model", root, "product_name");
    std::string family = dmiText(root, "product_family");
    if (family.empty()) {
        family = dmiText(root, "product_version");
        if (isBareVersion(family))
            family.clear();
    }
    if (!family.empty())
        row["SystemFamily"] = family;
    if (const auto type = systemType(machineArchitecture(root)); !type.empty())
        row["SystemType"] = type;
    if (const auto bytes = totalMemoryBytes(root))
        row["TotalPhysicalMemory"] = std::to_string(*bytes);
    if (row.empty())
        return {};
    return {row};
}

Rows biosRows(const SysRoot &root)
{
    Row row;
    putDmi(row, "SMBIOSBIOSVersion", root, "bios_version");
    putDmi(row, "Manufacturer", root, "bios_vendor");
    putDmi(row, "SerialNumber", root, "product_serial");
    if (const auto date = cimDateFromDmi(dmiText(root, "bios_date")); !date.empty())
        row["ReleaseDate"] = date;
    if (row.empty())
        return {};
    return {row};
}

Rows baseBoardRows(const SysRoot &root)
{
    Row row;
    putDmi(row, "Product", root, "board_name");
    putDmi(row, "Manufacturer", root, "board_vendor");
    putDmi(row, "SerialNumber", root, "board_serial");
    putDmi(row, "Version", root, "board_version");
    if (row.empty())
        return {};
    return {row};
}

Rows systemEnclosureRows(const SysRoot &root)
{
    Row row;
    putDmi(row, "Manufacturer", root, "chassis_vendor");
    putDmi(row, "SerialNumber", root, "chassis_serial");
    putDmi(row, "SMBIOSAssetTag", root, "chassis_asset_tag");
    if (const auto code = root.readInteger("/sys/class/dmi/id/chassis_type");
        code && *code > 0 && *code < 128)
        row["ChassisTypes"] = IntList{static_cast<std::int32_t>(*code)};
    if (row.empty())
        return {};
    return {row};
}

void addSystemClasses(WmiClassTable &table)
{
    table.push_back({kCimv2, "Win32_ComputerSystem", computerSystemRows});
    table.push_back({kCimv2, "Win32_BIOS", biosRows});
    table.push_back({kCimv2, "Win32_BaseBoard", baseBoardRows});
    table.push_back({kCimv2, "Win32_SystemEnclosure", systemEnclosureRows});
    table.push_back({kCimv2, "Win32_OperatingSystem", operatingSystemRows});
    table.push_back({kCimv2, "Win32_Processor", processorRows});
    table.push_back({kCimv2, "Win32_PhysicalMemory", physicalMemoryRows});
    table.push_back({kCimv2, "Win32_PhysicalMemoryArray", physicalMemoryArrayRows});
    table.push_back({"ROOT\\CIMV2\\Security\\MicrosoftTpm", "Win32_Tpm", tpmRows});
}

} // namespace platform::linuxbackend
