#include "hardware/diskrules.h"
#include "hardware/driveprobe.h"
#include "hardware/storagelog.h"
#include "hardware/windowscollector.h"

QVariantList collectDisks(const CollectContext &context)
{
    const QList<QVariantMap> drives = context.cimv2.query(QStringLiteral(
        "SELECT Model, SerialNumber, Size, InterfaceType, MediaType, FirmwareRevision, Partitions, "
        "Index FROM Win32_DiskDrive"));

    QList<QVariantMap> physicalDisks;
    QList<QVariantMap> counters;
    {
        WmiConnection storage(context.source);
        if (storage.open(QStringLiteral("ROOT\\Microsoft\\Windows\\Storage"))) {
            physicalDisks = storage.query(QStringLiteral(
                "SELECT DeviceId, MediaType, BusType, HealthStatus, SpindleSpeed FROM MSFT_PhysicalDisk"));
            counters = storage.query(QStringLiteral("SELECT DeviceId, Wear, Temperature, PowerOnHours, "
                                                    "ReadErrorsUncorrected, WriteErrorsUncorrected FROM "
                                                    "MSFT_StorageReliabilityCounter"));
        }
    }

    QVariantList disks;
    for (const QVariantMap &drive : drives) {
        const int n = diskIndex(drive);
        const QVariantMap physicalDisk = rowForDevice(physicalDisks, n);
        const bool ssdHint = storageClass(physicalDisk).media == DiskMedia::Ssd;
        const SmartReading probe = probeDrive(context.source, n, ssdHint);
        qCInfo(lcStorage).noquote() << diskLogLine(n, drive, probe);
        disks.append(diskEntry(drive, physicalDisk, rowForDevice(counters, n), probe));
    }
    return disks;
}
