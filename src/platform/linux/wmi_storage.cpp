#include "platform/ata.h"
#include "platform/linux/block_disks.h"
#include "platform/linux/wmi_classes.h"
#include "platform/text.h"

#include <cmath>

// Disks for Win32_DiskDrive and the storage-management classes, from /sys/block.

namespace platform::linuxbackend {

namespace {

const char *const kStorageNamespace = "ROOT\\Microsoft\\Windows\\Storage";

struct DiskFacts {
    std::string model, serial, firmware;
    std::uint64_t sizeBytes = 0;
    bool removable = false;
    std::optional<long long> rotational;
    std::int32_t partitions = 0;
};

std::string attributeText(const SysRoot &root, const std::string &path)
{
    const auto value = root.readAttribute(path);
    return value ? text::latin1ControlsAsSpacesTrimmed(*value) : std::string();
}

// Unit serial number, VPD page 80h: four header bytes, then the serial.
std::string unitSerial(const SysRoot &root, const std::string &device)
{
    const auto vpd = root.readFile(device + "/vpd_pg80", 4096);
    if (!vpd || vpd->size() < 4 || static_cast<std::uint8_t>((*vpd)[1]) != 0x80)
        return {};
    const std::size_t length = static_cast<std::uint8_t>((*vpd)[3]);
    return text::latin1ControlsAsSpacesTrimmed(vpd->substr(4, length));
}

std::int32_t partitionCount(const SysRoot &root, const BlockDisk &disk)
{
    std::int32_t count = 0;
    for (const std::string &entry : root.listDir(disk.sysPath)) {
        if (entry.rfind(disk.name, 0) == 0 && root.exists(disk.sysPath + "/" + entry + "/partition"))
            ++count;
    }
    return count;
}

DiskFacts describe(const SysRoot &root, const BlockDisk &disk)
{
    const std::string device = disk.sysPath + "/device";
    DiskFacts facts;
    facts.sizeBytes = static_cast<std::uint64_t>(root.readInteger(disk.sysPath + "/size").value_or(0)) * 512u;
    facts.removable = root.readInteger(disk.sysPath + "/removable").value_or(0) == 1;
    facts.rotational = root.readInteger(disk.sysPath + "/queue/rotational");
    facts.partitions = partitionCount(root, disk);

    switch (disk.bus) {
    case DiskBus::Nvme:
        facts.model = attributeText(root, device + "/model");
        facts.serial = attributeText(root, device + "/serial");
        facts.firmware = attributeText(root, device + "/firmware_rev");
        break;
    case DiskBus::Mmc:
        facts.model = attributeText(root, device + "/name");
        facts.serial = attributeText(root, device + "/serial");
        break;
    case DiskBus::Virtual:
        facts.serial = attributeText(root, disk.sysPath + "/serial");
        break;
    default: {
        // Behind libata the SCSI inquiry cuts the model to 16 characters; IDENTIFY has it whole.
        if (const auto identify = identifyFromVpd(root, disk)) {
            facts.model = ata::identifyString(*identify, 27, 20);
            facts.serial = ata::identifyString(*identify, 10, 10);
            facts.firmware = ata::identifyString(*identify, 23, 4);
        }
        if (facts.model.empty()) {
            const std::string vendor = attributeText(root, device + "/vendor");
            const std::string product = attributeText(root, device + "/model");
            facts.model =
                vendor.empty() || vendor == "ATA" || product.empty() ? product : vendor + " " + product;
        }
        if (facts.serial.empty())
            facts.serial = unitSerial(root, device);
        if (facts.firmware.empty())
            facts.firmware = attributeText(root, device + "/rev");
    }
    }
    return facts;
}

std::string interfaceType(DiskBus bus)
{
    switch (bus) {
    case DiskBus::Nvme:
        return "NVMe";
    case DiskBus::Sata:
        return "IDE";
    case DiskBus::Usb:
        return "USB";
    default:
        return "SCSI";
    }
}

std::int32_t busType(const SysRoot &root, const BlockDisk &disk)
{
    switch (disk.bus) {
    case DiskBus::Nvme:
        return 17;
    case DiskBus::Sata:
        return 11;
    case DiskBus::Usb:
        return 7;
    case DiskBus::Sas:
        return 10;
    case DiskBus::Mmc:
        return root.readAttribute(disk.sysPath + "/device/type").value_or("") == "SD" ? 12 : 13;
    default:
        return 1;
    }
}

// 3 HDD, 4 SSD, 0 unspecified. Virtual disks and USB bridges set the rotational flag by default,
// so it says nothing about them.
std::int32_t mediaType(const BlockDisk &disk, const DiskFacts &facts)
{
    if (disk.bus == DiskBus::Virtual || disk.bus == DiskBus::Usb || !facts.rotational)
        return 0;
    if (disk.bus == DiskBus::Mmc)
        return 4;
    return *facts.rotational == 1 ? 3 : 4;
}

// Drive temperature from the hwmon device of an NVMe controller or of drivetemp.
std::optional<std::int32_t> temperature(const SysRoot &root, const BlockDisk &disk)
{
    std::string device = disk.sysPath + "/device";
    if (disk.bus == DiskBus::Nvme) {
        const std::string controller = nvmeController(root, disk);
        if (!controller.empty())
            device = "/sys/class/nvme/" + controller;
    }
    std::vector<std::string> candidates;
    for (const std::string &entry : root.listDir(device)) {
        if (entry == "hwmon") {
            for (const std::string &inner : root.listDir(device + "/hwmon"))
                candidates.push_back(device + "/hwmon/" + inner);
        } else if (entry.rfind("hwmon", 0) == 0) {
            candidates.push_back(device + "/" + entry);
        }
    }
    for (const std::string &hwmon : candidates) {
        const auto milli = root.readInteger(hwmon + "/temp1_input");
        if (milli && *milli > -60000 && *milli < 130000)
            return static_cast<std::int32_t>(std::lround(static_cast<double>(*milli) / 1000.0));
    }
    return std::nullopt;
}

void put(Row &row, const char *name, const std::string &text)
{
    if (!text.empty())
        row[name] = text;
}

Rows diskDrives(const SysRoot &root)
{
    Rows rows;
    const auto disks = listWholeDisks(root);
    for (std::size_t index = 0; index < disks.size(); ++index) {
        const BlockDisk &disk = disks[index];
        const DiskFacts facts = describe(root, disk);
        Row row;
        row["Index"] = static_cast<std::int32_t>(index);
        row["DeviceID"] = "\\\\.\\PHYSICALDRIVE" + std::to_string(index);
        put(row, "Model", facts.model);
        put(row, "Caption", facts.model);
        put(row, "SerialNumber", facts.serial);
        put(row, "FirmwareRevision", facts.firmware);
        row["Size"] = std::to_string(facts.sizeBytes);
        row["InterfaceType"] = interfaceType(disk.bus);
        row["MediaType"] = facts.removable            ? "Removable Media"
                           : disk.bus == DiskBus::Usb ? "External hard disk media"
                                                      : "Fixed hard disk media";
        row["Partitions"] = facts.partitions;
        rows.push_back(std::move(row));
    }
    return rows;
}

Rows physicalDisks(const SysRoot &root)
{
    Rows rows;
    const auto disks = listWholeDisks(root);
    for (std::size_t index = 0; index < disks.size(); ++index) {
        const BlockDisk &disk = disks[index];
        const DiskFacts facts = describe(root, disk);
        Row row;
        row["DeviceId"] = std::to_string(index);
        put(row, "FriendlyName", facts.model);
        put(row, "Model", facts.model);
        put(row, "SerialNumber", facts.serial);
        put(row, "FirmwareVersion", facts.firmware);
        row["Size"] = std::to_string(facts.sizeBytes);
        row["MediaType"] = mediaType(disk, facts);
        row["BusType"] = busType(root, disk);
        rows.push_back(std::move(row));
    }
    return rows;
}

Rows reliabilityCounters(const SysRoot &root)
{
    Rows rows;
    const auto disks = listWholeDisks(root);
    for (std::size_t index = 0; index < disks.size(); ++index) {
        if (const auto celsius = temperature(root, disks[index])) {
            Row row;
            row["DeviceId"] = std::to_string(index);
            row["Temperature"] = *celsius;
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

} // namespace

void addStorageClasses(WmiClassTable &table)
{
    table.push_back({"ROOT\\CIMV2", "Win32_DiskDrive", diskDrives});
    table.push_back({kStorageNamespace, "MSFT_PhysicalDisk", physicalDisks});
    table.push_back({kStorageNamespace, "MSFT_StorageReliabilityCounter", reliabilityCounters});
}

} // namespace platform::linuxbackend
