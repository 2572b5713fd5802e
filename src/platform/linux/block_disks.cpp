#include "platform/linux/block_disks.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>
#include <regex>
#include <tuple>
#include <unistd.h>

namespace platform::linuxbackend {

namespace {

constexpr std::size_t kVpd89Bytes = 572;
constexpr std::size_t kVpd89IdentifyOffset = 60;

std::string linkTarget(const SysRoot &root, const std::string &absolute)
{
    char target[PATH_MAX];
    const ssize_t n = ::readlink(root.path(absolute).c_str(), target, sizeof target - 1);
    return n > 0 ? std::string(target, static_cast<std::size_t>(n)) : std::string();
}

bool contains(const std::string &text, const char *part)
{
    return text.find(part) != std::string::npos;
}

bool startsWith(const std::string &text, const char *prefix)
{
    return text.rfind(prefix, 0) == 0;
}

// Names the kernel gives to block devices that are not disks of their own.
bool isVirtualName(const std::string &name)
{
    static const char *const prefixes[] = {"loop", "ram", "zram", "dm-", "md",
                                           "nbd",  "fd",  "sr",   "zd",  "rbd"};
    return std::any_of(std::begin(prefixes), std::end(prefixes),
                       [&](const char *p) { return startsWith(name, p); });
}

bool isDeviceName(const std::string &name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char ch) {
        return std::isalnum(static_cast<unsigned char>(ch)) || ch == '!' || ch == '-' || ch == '_';
    });
}

bool isWholeDiskName(const std::string &name)
{
    // mmcblk0boot0, mmcblk0rpmb and the per-path nodes of multipath NVMe (nvme0c1n1) are parts.
    static const std::regex mmc("mmcblk[0-9]+");
    static const std::regex nvme("nvme[0-9]+n[0-9]+");
    if (startsWith(name, "mmcblk"))
        return std::regex_match(name, mmc);
    if (startsWith(name, "nvme"))
        return std::regex_match(name, nvme);
    return true;
}

DiskBus busOf(const std::string &name, const std::string &target)
{
    if (contains(target, "/usb"))
        return DiskBus::Usb;
    if (startsWith(name, "nvme"))
        return DiskBus::Nvme;
    if (contains(target, "/ata"))
        return DiskBus::Sata;
    if (startsWith(name, "mmcblk"))
        return DiskBus::Mmc;
    if (contains(target, "/virtio") || contains(target, "/vbd-") || startsWith(name, "vd") ||
        startsWith(name, "xvd"))
        return DiskBus::Virtual;
    if (contains(target, "/end_device-"))
        return DiskBus::Sas;
    return DiskBus::Scsi;
}

// sd, vd, xvd and hd disks count in letters (a..z, aa..); other names by their numbers.
struct DiskSortKey {
    std::string family;
    std::vector<std::uint64_t> numbers;
    std::string name;
    bool operator<(const DiskSortKey &o) const
    {
        return std::tie(family, numbers, name) < std::tie(o.family, o.numbers, o.name);
    }
};

DiskSortKey diskSortKey(const std::string &name)
{
    constexpr std::uint64_t kSaturated = UINT64_MAX / 26;
    for (const char *prefix : {"xvd", "vd", "sd", "hd"}) {
        const std::string letters = name.substr(std::min(name.size(), std::strlen(prefix)));
        if (startsWith(name, prefix) && !letters.empty() &&
            std::all_of(letters.begin(), letters.end(), [](char ch) { return ch >= 'a' && ch <= 'z'; })) {
            std::uint64_t number = 0;
            for (const char ch : letters)
                number = number >= kSaturated ? kSaturated
                                              : number * 26 + static_cast<std::uint64_t>(ch - 'a' + 1);
            return {prefix, {number}, name};
        }
    }
    DiskSortKey key;
    std::size_t i = 0;
    while (i < name.size() && !std::isdigit(static_cast<unsigned char>(name[i])))
        key.family += name[i++];
    while (i < name.size()) {
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) {
            ++i;
            continue;
        }
        std::uint64_t number = 0;
        for (; i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])); ++i)
            number =
                number >= kSaturated ? kSaturated : number * 10 + static_cast<std::uint64_t>(name[i] - '0');
        key.numbers.push_back(number);
    }
    key.name = name;
    return key;
}

// Orders "sdz" before "sdaa" and "nvme2n1" before "nvme10n1".
bool diskNameLess(const std::string &a, const std::string &b)
{
    return diskSortKey(a) < diskSortKey(b);
}

} // namespace

std::vector<BlockDisk> listWholeDisks(const SysRoot &root)
{
    std::vector<BlockDisk> disks;
    for (const std::string &name : root.listDir("/sys/block")) {
        if (!isDeviceName(name) || isVirtualName(name) || !isWholeDiskName(name))
            continue;
        const std::string sysPath = "/sys/block/" + name;
        const std::string target = linkTarget(root, sysPath);
        if (contains(target, "/devices/virtual/"))
            continue;
        if (root.readInteger(sysPath + "/device/type").value_or(0) == 5) // CD/DVD behind the disk driver
            continue;
        if (root.readInteger(sysPath + "/size").value_or(0) <= 0) // no medium
            continue;
        disks.push_back({name, sysPath, busOf(name, target)});
    }
    std::sort(disks.begin(), disks.end(),
              [](const BlockDisk &a, const BlockDisk &b) { return diskNameLess(a.name, b.name); });
    return disks;
}

std::string deviceNode(const BlockDisk &disk)
{
    if (!isDeviceName(disk.name))
        return {};
    std::string node = "/dev/" + disk.name;
    std::replace(node.begin(), node.end(), '!', '/');
    return node;
}

std::string nvmeController(const SysRoot &root, const BlockDisk &disk)
{
    if (disk.bus != DiskBus::Nvme)
        return {};
    static const std::regex controller("nvme[0-9]+");
    const std::string linked = root.linkName(disk.sysPath + "/device");
    if (std::regex_match(linked, controller))
        return linked;
    // Multipath namespaces hang below the subsystem; nvmeXnY is then served by controller X.
    const auto n = disk.name.find('n', 4);
    return n == std::string::npos ? std::string() : disk.name.substr(0, n);
}

std::optional<Page> identifyFromVpd(const SysRoot &root, const BlockDisk &disk)
{
    const auto vpd = root.readFile(disk.sysPath + "/device/vpd_pg89", 4096);
    // Page code 89h, and IDENTIFY DEVICE (ECh) rather than the packet variant of optical drives.
    if (!vpd || vpd->size() < kVpd89Bytes || static_cast<std::uint8_t>((*vpd)[1]) != 0x89 ||
        static_cast<std::uint8_t>((*vpd)[56]) != 0xEC)
        return std::nullopt;
    const auto *begin = reinterpret_cast<const std::uint8_t *>(vpd->data()) + kVpd89IdentifyOffset;
    return Page(begin, begin + 512);
}

} // namespace platform::linuxbackend
