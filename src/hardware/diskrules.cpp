#include "hardware/diskrules.h"

#include "hardware/keys/diskkeys.h"
#include "hardware/rowreaders.h"
#include "hardware/textformats.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

struct BrandKey {
    const char *key;
    const char *brand;
};

// Searched in this order: "SK HYNIX" before "HYNIX", "WESTERN DIGITAL" before "WDC".
constexpr BrandKey kBrands[] = {
    {"SAMSUNG", "Samsung"},
    {"KINGSTON", "Kingston"},
    {"TOSHIBA", "Toshiba"},
    {"CRUCIAL", "Crucial"},
    {"MICRON", "Micron"},
    {"INTEL", "Intel"},
    {"SANDISK", "SanDisk"},
    {"SEAGATE", "Seagate"},
    {"HITACHI", "Hitachi"},
    {"HGST", "HGST"},
    {"WESTERN DIGITAL", "Western Digital"},
    {"WDC", "Western Digital"},
    {"ADATA", "ADATA"},
    {"CORSAIR", "Corsair"},
    {"PNY", "PNY"},
    {"PLEXTOR", "Plextor"},
    {"GIGABYTE", "Gigabyte"},
    {"PATRIOT", "Patriot"},
    {"TEAM", "TeamGroup"},
    {"LEXAR", "Lexar"},
    {"SK HYNIX", "SK hynix"},
    {"HYNIX", "SK hynix"},
    {"APACER", "Apacer"},
    {"NETAC", "Netac"},
    {"COLORFUL", "Colorful"},
    {"FANXIANG", "Fanxiang"},
    {"KINGSPEC", "KingSpec"},
    {"MAXTOR", "Maxtor"},
    {"FUJITSU", "Fujitsu"},
};

constexpr BrandKey kModelPrefixes[] = {
    {"WD", "Western Digital"}, {"ST", "Seagate"}, {"MZ", "Samsung"}, {"CT", "Crucial"}, {"MK", "Toshiba"},
};

std::optional<int> strictInt(const QVariantMap &row, const char *key)
{
    return exactInt(row.value(QLatin1String(key)));
}

DiskHealth healthForPercent(int percent)
{
    if (percent >= 60)
        return DiskHealth::Good;
    if (percent < 30)
        return DiskHealth::Failed;
    return DiskHealth::Warning;
}

// A log entry is one line whatever the device put in its strings.
QString oneLine(QString text)
{
    for (QChar &ch : text) {
        if (ch.category() == QChar::Other_Control)
            ch = QLatin1Char(' ');
    }
    return text;
}

} // namespace

QString diskBrand(const QString &model)
{
    const QString trimmed = model.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QString upper = trimmed.toUpper();
    for (const BrandKey &entry : kBrands) {
        if (upper.contains(QLatin1String(entry.key)))
            return QString::fromUtf8(entry.brand);
    }
    for (const BrandKey &entry : kModelPrefixes) {
        if (upper.startsWith(QLatin1String(entry.key)))
            return QString::fromUtf8(entry.brand);
    }
    static const QRegularExpression separator(QStringLiteral("[\\s_-]"));
    const int end = trimmed.indexOf(separator);
    return end < 0 ? trimmed : trimmed.left(end);
}

bool isGenericDiskModel(const QString &model)
{
    return model.isEmpty() || model.contains(QLatin1String("SCSI Disk Device"), Qt::CaseInsensitive) ||
           model.contains(QLatin1String("USB Device"), Qt::CaseInsensitive) ||
           model.contains(QLatin1String("ATA Device"), Qt::CaseInsensitive);
}

DiskIdentity reconcileDiskIdentity(const QString &wmiModel, const QString &wmiSerial,
                                   const QString &wmiFirmware, const SmartReading &probe)
{
    const bool generic = isGenericDiskModel(wmiModel);
    const auto pick = [generic](const QString &wmi, const QString &identify) {
        if (generic && !identify.isEmpty())
            return identify;
        return wmi.isEmpty() ? identify : wmi;
    };
    DiskIdentity identity;
    identity.model = generic && !probe.model.isEmpty() ? probe.model : wmiModel;
    identity.serial = pick(wmiSerial, probe.serial);
    identity.firmware = pick(wmiFirmware, probe.firmware);
    return identity;
}

DiskMedia storageMedia(int mediaType)
{
    switch (mediaType) {
    case 3:
        return DiskMedia::Hdd;
    case 4:
        return DiskMedia::Ssd;
    case 5:
        return DiskMedia::Scm;
    default:
        return DiskMedia::Unknown;
    }
}

DiskHealth storageHealth(int healthStatus)
{
    switch (healthStatus) {
    case 0:
        return DiskHealth::Good;
    case 1:
        return DiskHealth::Warning;
    case 2:
        return DiskHealth::Failed;
    default:
        return DiskHealth::Unknown;
    }
}

StorageClass storageClass(const QVariantMap &physicalDisk)
{
    // A missing property is no statement: an absent HealthStatus must not read as 0, "healthy".
    StorageClass storage;
    if (const auto media = strictInt(physicalDisk, "MediaType"))
        storage.media = storageMedia(*media);
    if (const auto health = strictInt(physicalDisk, "HealthStatus"))
        storage.health = storageHealth(*health);
    return storage;
}

DiskHealthResult diskHealth(DiskHealth storageHealth, const SmartReading &probe, const QVariantMap &counter)
{
    DiskHealthResult result{storageHealth, -1};
    if (probe.valid && probe.health >= 0) {
        result.percent = std::min(probe.health, 100);
    } else if (const auto wear = strictInt(counter, "Wear"); wear && *wear >= 0 && *wear <= 100) {
        result.percent = 100 - *wear;
    }
    if (result.percent >= 0)
        result.health = healthForPercent(result.percent);
    else if (result.health == DiskHealth::Warning)
        result.percent = 50;
    else if (result.health == DiskHealth::Failed)
        result.percent = 20;
    return result;
}

QVariantMap diskEntry(const QVariantMap &drive, const QVariantMap &physicalDisk, const QVariantMap &counter,
                      const SmartReading &probe)
{
    QVariantMap disk;
    putText(disk, DiskKey::kCapacity, sizeText(rowUInt64(drive, "Size")));
    putText(disk, DiskKey::kInterface, rowText(drive, "InterfaceType"));

    const StorageClass storage = storageClass(physicalDisk);
    const DiskIdentity identity = reconcileDiskIdentity(
        rowText(drive, "Model"), rowText(drive, "SerialNumber"), rowText(drive, "FirmwareRevision"), probe);
    putText(disk, DiskKey::kModel, identity.model);
    putText(disk, DiskKey::kSerial, identity.serial);
    putText(disk, DiskKey::kFirmware, identity.firmware);
    putText(disk, DiskKey::kManufacturer, diskBrand(identity.model));

    const DiskMedia media = probe.media == SmartReading::kSolidState ? DiskMedia::Ssd
                            : probe.media == SmartReading::kRotating ? DiskMedia::Hdd
                                                                     : storage.media;
    putText(disk, DiskKey::kMediaType, diskMediaText(media));

    const DiskHealthResult health = diskHealth(storage.health, probe, counter);
    disk.insert(DiskKey::kHealth, diskHealthText(health.health));
    if (health.percent >= 0)
        disk.insert(DiskKey::kHealthPercent, health.percent);

    const qint64 hours =
        probe.valid && probe.powerOnHours >= 0
            ? probe.powerOnHours
            : static_cast<qint64>(std::min<quint64>(rowUInt64(counter, "PowerOnHours"), INT64_MAX));
    if (hours > 0)
        disk.insert(DiskKey::kPowerOnHours, QStringLiteral("%1 giờ").arg(hours));

    const int temperature =
        probe.valid && probe.temperature >= 1 ? probe.temperature : rowInt(counter, "Temperature");
    if (temperature >= 1)
        disk.insert(DiskKey::kTemperature, QStringLiteral("%1 °C").arg(temperature));
    return disk;
}

QString diskLogLine(int index, const QVariantMap &drive, const SmartReading &probe)
{
    return oneLine(QStringLiteral("DISK%1 wmiModel='%2' idModel='%3' wmiSerial='%4' idSerial='%5' wmiFw='%6' "
                                  "idFw='%7' media=%8 size=%9")
                       .arg(QString::number(index), rowText(drive, "Model"), probe.model,
                            rowText(drive, "SerialNumber"), probe.serial, rowText(drive, "FirmwareRevision"),
                            probe.firmware, QString::number(probe.media),
                            sizeText(rowUInt64(drive, "Size"))));
}

int diskIndex(const QVariantMap &drive)
{
    const auto index = strictInt(drive, "Index");
    return index && *index >= 0 ? *index : -1;
}

QVariantMap rowForDevice(const QList<QVariantMap> &rows, int n)
{
    for (const QVariantMap &row : rows) {
        if (strictInt(row, "DeviceId") == n)
            return row;
    }
    return {};
}
