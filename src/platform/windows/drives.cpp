#include "platform/ata.h"
#include "platform/windows/drive_transport.h"
#include "platform/windows/windows_source.h"

#include <windows.h>

#include <ntddscsi.h>
#include <winioctl.h>

#include <cstddef>
#include <cstring>
#include <string>

// Raw drive pages over DeviceIoControl: the NVMe health log through the storage protocol query,
// then ATA IDENTIFY and SMART through ATA pass-through and SCSI ATA PASS-THROUGH (16, then 12 bytes).

namespace platform::windowsbackend {

namespace {

constexpr ULONG kAtaTimeoutSeconds = 5;
constexpr ULONG kScsiTimeoutSeconds = 6;
constexpr DWORD kDeviceProtocolSpecificProperty = 50;
constexpr DWORD kProtocolNvme = 3;
constexpr DWORD kNvmeDataLogPage = 2;
constexpr DWORD kNvmeHealthLog = 2;
constexpr std::size_t kQueryBytes = 560;
constexpr std::size_t kPage = ata::kSectorBytes;

class DriveHandle {
public:
    explicit DriveHandle(int index)
    {
        const std::wstring path = L"\\\\.\\PhysicalDrive" + std::to_wstring(index);
        handle_ = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
        // Without write access the storage query still answers, and so may the pass-through.
        if (handle_ == INVALID_HANDLE_VALUE)
            handle_ = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  0, nullptr);
    }
    ~DriveHandle()
    {
        if (valid())
            CloseHandle(handle_);
    }
    DriveHandle(const DriveHandle &) = delete;
    DriveHandle &operator=(const DriveHandle &) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

bool control(HANDLE drive, DWORD code, void *buffer, DWORD size, DWORD *returned)
{
    *returned = 0;
    return DeviceIoControl(drive, code, buffer, size, buffer, size, returned, nullptr) != FALSE;
}

std::optional<Page> nvmeHealthLog(HANDLE drive)
{
    alignas(8) BYTE buffer[kQueryBytes] = {};
    auto *query = reinterpret_cast<STORAGE_PROPERTY_QUERY *>(buffer);
    query->PropertyId = static_cast<STORAGE_PROPERTY_ID>(kDeviceProtocolSpecificProperty);
    query->QueryType = PropertyStandardQuery;
    auto *request = reinterpret_cast<STORAGE_PROTOCOL_SPECIFIC_DATA *>(query->AdditionalParameters);
    request->ProtocolType = static_cast<STORAGE_PROTOCOL_TYPE>(kProtocolNvme);
    request->DataType = kNvmeDataLogPage;
    request->ProtocolDataRequestValue = kNvmeHealthLog;
    request->ProtocolDataRequestSubValue = 0;
    request->ProtocolDataOffset = sizeof(STORAGE_PROTOCOL_SPECIFIC_DATA);
    request->ProtocolDataLength = kPage;

    DWORD returned = 0;
    if (!control(drive, IOCTL_STORAGE_QUERY_PROPERTY, buffer, sizeof buffer, &returned))
        return std::nullopt;
    const auto *descriptor = reinterpret_cast<const STORAGE_PROTOCOL_DATA_DESCRIPTOR *>(buffer);
    const STORAGE_PROTOCOL_SPECIFIC_DATA &answer = descriptor->ProtocolSpecificData;
    const std::size_t start =
        offsetof(STORAGE_PROTOCOL_DATA_DESCRIPTOR, ProtocolSpecificData) + answer.ProtocolDataOffset;
    // The driver names where the data lies; it must still lie inside the buffer.
    if (answer.ProtocolDataLength < kPage || answer.ProtocolDataOffset > sizeof buffer ||
        start + kPage > sizeof buffer)
        return std::nullopt;
    return Page(buffer + start, buffer + start + kPage);
}

std::optional<Page> ataPassThrough(HANDLE drive, const ata::Command &command)
{
    struct Request {
        ATA_PASS_THROUGH_EX header;
        BYTE data[kPage];
    } request{};
    request.header.Length = sizeof(ATA_PASS_THROUGH_EX);
    request.header.AtaFlags = ATA_FLAGS_DATA_IN | ATA_FLAGS_DRDY_REQUIRED;
    request.header.DataTransferLength = kPage;
    request.header.TimeOutValue = kAtaTimeoutSeconds;
    request.header.DataBufferOffset = offsetof(Request, data);
    UCHAR *task = request.header.CurrentTaskFile;
    task[0] = command.features;
    task[1] = command.count;
    task[2] = command.lbaLow;
    task[3] = command.lbaMid;
    task[4] = command.lbaHigh;
    task[5] = command.device;
    task[6] = command.command;

    DWORD returned = 0;
    if (!control(drive, IOCTL_ATA_PASS_THROUGH, &request, sizeof request, &returned))
        return std::nullopt;
    // The status register comes back in the command byte; bit 0 reports an aborted command.
    if (task[6] & 0x01)
        return std::nullopt;
    return Page(request.data, request.data + kPage);
}

template <std::size_t N>
std::optional<Page> scsiPassThrough(HANDLE drive, const std::array<std::uint8_t, N> &cdb)
{
    struct Request {
        SCSI_PASS_THROUGH header;
        BYTE sense[32];
        BYTE data[kPage];
    } request{};
    request.header.Length = sizeof(SCSI_PASS_THROUGH);
    request.header.CdbLength = static_cast<UCHAR>(N);
    request.header.SenseInfoLength = sizeof request.sense;
    request.header.SenseInfoOffset = offsetof(Request, sense);
    request.header.DataIn = SCSI_IOCTL_DATA_IN;
    request.header.DataTransferLength = kPage;
    request.header.DataBufferOffset = offsetof(Request, data);
    request.header.TimeOutValue = kScsiTimeoutSeconds;
    std::memcpy(request.header.Cdb, cdb.data(), N);

    DWORD returned = 0;
    if (!control(drive, IOCTL_SCSI_PASS_THROUGH, &request, sizeof request, &returned) ||
        request.header.ScsiStatus != 0)
        return std::nullopt;
    return Page(request.data, request.data + kPage);
}

std::optional<Page> ataRead(HANDLE drive, const ata::Command &command)
{
    if (auto page = ataPassThrough(drive, command))
        return page;
    if (auto page = scsiPassThrough(drive, ata::passThrough16(command)))
        return page;
    return scsiPassThrough(drive, ata::passThrough12(command));
}

} // namespace

DrivePages readDrivePages(void *handle)
{
    const auto drive = static_cast<HANDLE>(handle);
    DrivePages pages;
    pages.opened = true;
    pages.nvmeHealthLog = nvmeHealthLog(drive);
    if (pages.nvmeHealthLog)
        return pages;
    pages.identify = ataRead(drive, ata::identifyDevice());
    pages.smartData = ataRead(drive, ata::smartReadData());
    return pages;
}

DrivePages WindowsSource::readDrive(int index)
{
    if (index < 0)
        return {};
    const DriveHandle drive(index);
    if (!drive.valid())
        return {};
    return readDrivePages(drive.get());
}

} // namespace platform::windowsbackend
