#pragma once

#include "hardware/diskhealth.h"
#include "hardware/diskmedia.h"
#include "hardware/smartreading.h"

#include <QString>
#include <QVariantMap>

// The rules that merge what WMI, the storage classes and the drive itself say about one disk.

// Maker of a disk from its model text; empty for an empty model.
QString diskBrand(const QString &model);

// Models that name the driver rather than the drive ("SCSI Disk Device", "USB Device", ...).
bool isGenericDiskModel(const QString &model);

struct DiskIdentity {
    QString model, serial, firmware;
};
DiskIdentity reconcileDiskIdentity(const QString &wmiModel, const QString &wmiSerial,
                                   const QString &wmiFirmware, const SmartReading &probe);

// MSFT_PhysicalDisk MediaType and HealthStatus.
DiskMedia storageMedia(int mediaType);
DiskHealth storageHealth(int healthStatus);

// What the storage class says of one MSFT_PhysicalDisk row (an empty row when the disk has none).
struct StorageClass {
    DiskMedia media = DiskMedia::Unknown;
    DiskHealth health = DiskHealth::Unknown;
};
StorageClass storageClass(const QVariantMap &physicalDisk);

struct DiskHealthResult {
    DiskHealth health = DiskHealth::Unknown;
    int percent = -1; // -1 when unknown
};
DiskHealthResult diskHealth(DiskHealth storageHealth, const SmartReading &probe, const QVariantMap &counter);

// One entry of `disks` from the Win32_DiskDrive row, the disk's MSFT_PhysicalDisk and
// MSFT_StorageReliabilityCounter rows (empty when absent) and the probe's reading.
QVariantMap diskEntry(const QVariantMap &drive, const QVariantMap &physicalDisk, const QVariantMap &counter,
                      const SmartReading &probe);

// The diagnostic line that compares the WMI and IDENTIFY names of disk n.
QString diskLogLine(int index, const QVariantMap &drive, const SmartReading &probe);

// Win32_DiskDrive `Index`; -1 when the row has none, so that no other disk's data is taken.
int diskIndex(const QVariantMap &drive);

// The first row whose `DeviceId` is the decimal number n; an empty row when none is.
QVariantMap rowForDevice(const QList<QVariantMap> &rows, int n);
