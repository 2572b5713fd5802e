#pragma once

#include "platform/linux/sysroot.h"
#include "platform/source.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::linuxbackend {

enum class DiskBus { Nvme, Sata, Usb, Sas, Scsi, Mmc, Virtual };

// One whole disk below /sys/block.
struct BlockDisk {
    std::string name;    // kernel name: "sda", "nvme0n1", "cciss!c0d0"
    std::string sysPath; // "/sys/block/<name>"
    DiskBus bus = DiskBus::Scsi;
};

// Every whole disk with a medium, in the order that numbers them: the position in this list is
// the Win32_DiskDrive Index and the drive number the probe is asked for. Partitions, optical
// drives, empty card readers and virtual block devices (loop, zram, device mapper, md) are left out.
std::vector<BlockDisk> listWholeDisks(const SysRoot &root);

// "/dev/<name>", with the "!" of nested names as "/"; empty for a name that is no device name.
std::string deviceNode(const BlockDisk &disk);

// The NVMe controller of a namespace ("nvme0" for "nvme0n1"); empty for other disks.
std::string nvmeController(const SysRoot &root, const BlockDisk &disk);

// The ATA IDENTIFY data the SCSI layer keeps for disks behind libata (VPD page 89h); readable
// without privileges.
std::optional<Page> identifyFromVpd(const SysRoot &root, const BlockDisk &disk);

} // namespace platform::linuxbackend
