#include "platform/ata.h"
#include "platform/linux/block_disks.h"
#include "platform/linux/linux_source.h"

#include <fcntl.h>
#include <linux/nvme_ioctl.h>
#include <scsi/sg.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

// Raw drive pages: the NVMe health log through the admin command, ATA IDENTIFY and SMART through
// SG_IO with ATA PASS-THROUGH. Both need privileges; without them the open or the ioctl fails
// and the page is absent.

namespace platform::linuxbackend {

namespace {

constexpr unsigned kNvmeTimeoutMs = 5000;
constexpr unsigned kScsiTimeoutMs = 6000;
constexpr std::uint8_t kGetLogPage = 0x02;
constexpr std::uint8_t kHealthLog = 0x02;

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

// Opens a device node only when it is the kind of node expected, so a replaced or vanished node is
// never handed an ioctl.
int openNode(const std::string &node, bool block)
{
    if (node.empty())
        return -1;
    const int fd = ::open(node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || (block ? !S_ISBLK(info.st_mode) : !S_ISCHR(info.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::optional<Page> nvmeHealthLog(int fd)
{
    Page page(ata::kSectorBytes, 0);
    nvme_admin_cmd command{};
    command.opcode = kGetLogPage;
    command.nsid = 0xFFFFFFFFu;
    command.addr = reinterpret_cast<std::uintptr_t>(page.data());
    command.data_len = static_cast<std::uint32_t>(page.size());
    command.cdw10 = kHealthLog | ((static_cast<std::uint32_t>(page.size()) / 4 - 1) << 16);
    command.timeout_ms = kNvmeTimeoutMs;
    // A positive result is an NVMe status code: the command reached the drive and failed.
    if (::ioctl(fd, NVME_IOCTL_ADMIN_CMD, &command) != 0)
        return std::nullopt;
    return page;
}

template <std::size_t N> std::optional<Page> scsiAtaRead(int fd, const std::array<std::uint8_t, N> &cdb)
{
    Page page(ata::kSectorBytes, 0);
    std::array<std::uint8_t, N> command = cdb;
    std::uint8_t sense[32] = {};
    sg_io_hdr_t io{};
    io.interface_id = 'S';
    io.dxfer_direction = SG_DXFER_FROM_DEV;
    io.cmd_len = static_cast<unsigned char>(N);
    io.cmdp = command.data();
    io.mx_sb_len = sizeof sense;
    io.sbp = sense;
    io.dxfer_len = static_cast<unsigned>(page.size());
    io.dxferp = page.data();
    io.timeout = kScsiTimeoutMs;
    if (::ioctl(fd, SG_IO, &io) != 0 || (io.info & SG_INFO_OK_MASK) != SG_INFO_OK)
        return std::nullopt;
    return page;
}

std::optional<Page> ataRead(int fd, const ata::Command &command)
{
    if (auto page = scsiAtaRead(fd, ata::passThrough16(command)))
        return page;
    return scsiAtaRead(fd, ata::passThrough12(command));
}

DrivePages readLive(const SysRoot &root, const BlockDisk &disk)
{
    DrivePages pages;
    const Fd fd(openNode(deviceNode(disk), true));
    if (!fd.valid())
        return pages;
    pages.opened = true;
    if (disk.bus == DiskBus::Nvme) {
        const std::string controller = nvmeController(root, disk);
        const Fd controllerFd(controller.empty() ? -1 : openNode("/dev/" + controller, false));
        pages.nvmeHealthLog = nvmeHealthLog(controllerFd.valid() ? controllerFd.get() : fd.get());
        if (pages.nvmeHealthLog)
            return pages;
    }
    pages.identify = ataRead(fd.get(), ata::identifyDevice());
    pages.smartData = ataRead(fd.get(), ata::smartReadData());
    return pages;
}

} // namespace

DrivePages LinuxSource::readDrive(int index)
{
    if (index < 0)
        return {};
    const auto disks = listWholeDisks(root_);
    if (static_cast<std::size_t>(index) >= disks.size())
        return {};
    const BlockDisk &disk = disks[static_cast<std::size_t>(index)];
    DrivePages pages = root_.isLive() ? readLive(root_, disk) : DrivePages{};
    // Disks behind libata: the kernel's copy of IDENTIFY still names the drive when the ioctls
    // are not permitted.
    if (!pages.nvmeHealthLog && !pages.identify) {
        if (auto identify = identifyFromVpd(root_, disk)) {
            pages.opened = true;
            pages.identify = std::move(identify);
        }
    }
    return pages;
}

} // namespace platform::linuxbackend
