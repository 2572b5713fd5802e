#include "platform/linux/dmi_text.h"
#include "platform/linux/smbios_table.h"
#include "platform/linux/system_classes.h"

#include <algorithm>

namespace platform::linuxbackend {

namespace {

constexpr std::uint8_t kSystemMemory = 3;

// WMI delivers CIM 16- and 32-bit numbers as signed 32-bit values and 64-bit ones as text.

// SMBIOS form factor codes to the CIM ones; codes without a CIM twin read as unknown (0).
std::int32_t cimFormFactor(std::uint8_t smbios)
{
    switch (smbios) {
    case 0x01:
        return 1; // other
    case 0x03:
        return 7; // SIMM
    case 0x04:
        return 2; // SIP
    case 0x06:
        return 3; // DIP
    case 0x07:
        return 4; // ZIP
    case 0x08:
        return 6; // proprietary card
    case 0x09:
        return 8; // DIMM
    case 0x0A:
        return 9; // TSOP
    case 0x0C:
        return 11; // RIMM
    case 0x0D:
        return 12; // SODIMM
    case 0x0E:
        return 13; // SRIMM
    default:
        return 0;
    }
}

void putText(Row &row, const char *name, const std::string &raw)
{
    const std::string text = meaningfulFirmwareText(raw);
    if (!text.empty())
        row[name] = text;
}

// Memory of other arrays (flash, video) is not system memory; a device whose array is not in
// the table is kept.
bool belongsToSystemMemory(const smbios::MemoryDevice &device, const std::vector<smbios::MemoryArray> &arrays)
{
    const auto array = std::find_if(arrays.begin(), arrays.end(), [&](const smbios::MemoryArray &a) {
        return device.arrayHandle && a.handle == *device.arrayHandle;
    });
    return array == arrays.end() || !array->use || *array->use == kSystemMemory;
}

} // namespace

Rows physicalMemoryRows(const SysRoot &root)
{
    const auto table = readSmbiosTable(root);
    if (!table)
        return {};
    const auto arrays = smbios::memoryArrays(*table);
    Rows rows;
    for (const auto &device : smbios::memoryDevices(*table)) {
        if (!device.installed || !belongsToSystemMemory(device, arrays))
            continue;
        Row row;
        if (device.sizeBytes)
            row["Capacity"] = std::to_string(*device.sizeBytes);
        if (device.speed)
            row["Speed"] = static_cast<std::int32_t>(*device.speed);
        if (device.configuredSpeed)
            row["ConfiguredClockSpeed"] = static_cast<std::int32_t>(*device.configuredSpeed);
        putText(row, "Manufacturer", device.manufacturer);
        putText(row, "PartNumber", device.partNumber);
        putText(row, "SerialNumber", device.serialNumber);
        putText(row, "DeviceLocator", device.deviceLocator);
        putText(row, "BankLabel", device.bankLocator);
        if (device.memoryType)
            row["SMBIOSMemoryType"] = static_cast<std::int32_t>(*device.memoryType);
        if (device.formFactor)
            row["FormFactor"] = cimFormFactor(*device.formFactor);
        if (device.configuredVoltage)
            row["ConfiguredVoltage"] = static_cast<std::int32_t>(*device.configuredVoltage);
        if (device.dataWidth)
            row["DataWidth"] = static_cast<std::int32_t>(*device.dataWidth);
        if (device.totalWidth)
            row["TotalWidth"] = static_cast<std::int32_t>(*device.totalWidth);
        rows.push_back(std::move(row));
    }
    return rows;
}

Rows physicalMemoryArrayRows(const SysRoot &root)
{
    const auto table = readSmbiosTable(root);
    if (!table)
        return {};
    Rows rows;
    for (const auto &array : smbios::memoryArrays(*table)) {
        if (array.use && *array.use != kSystemMemory)
            continue;
        Row row;
        if (array.memoryDevices)
            row["MemoryDevices"] = static_cast<std::int32_t>(*array.memoryDevices);
        if (array.maxCapacityKb)
            row["MaxCapacityEx"] = std::to_string(*array.maxCapacityKb);
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace platform::linuxbackend
