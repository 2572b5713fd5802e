#include "hardware/systemrules.h"

#include "hardware/keys/systemkeys.h"
#include "hardware/rowreaders.h"
#include "hardware/textformats.h"

namespace {

int firstChassisCode(const QVariant &chassisTypes)
{
    if (chassisTypes.type() == QVariant::List) {
        const QVariantList codes = chassisTypes.toList();
        return codes.isEmpty() ? 0 : codes.first().toInt();
    }
    return chassisTypes.toInt();
}

} // namespace

QString chassisDeviceType(int chassisCode)
{
    switch (chassisCode) {
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 15:
    case 16:
    case 24:
        return QStringLiteral("Desktop");
    case 8:
    case 9:
    case 10:
    case 11:
    case 12:
    case 14:
    case 18:
    case 21:
    case 30:
    case 31:
    case 32:
        return QStringLiteral("Laptop");
    case 13:
        return QStringLiteral("All-in-One");
    case 17:
    case 23:
    case 28:
        return QStringLiteral("Server");
    case 34:
    case 35:
    case 36:
        return QStringLiteral("Mini PC");
    default:
        return {};
    }
}

QString deviceType(const QVariant &chassisTypes, bool hasBattery)
{
    if (hasBattery)
        return QStringLiteral("Laptop");
    return chassisDeviceType(firstChassisCode(chassisTypes));
}

bool powerStatusShowsBattery(const std::optional<platform::PowerStatus> &status)
{
    return status && (status->batteryFlag & platform::PowerStatus::kNoSystemBattery) == 0;
}

QString firmwareText(std::optional<std::uint32_t> firmwareType)
{
    if (firmwareType == 2u)
        return QStringLiteral("UEFI");
    if (firmwareType == 1u)
        return QStringLiteral("Legacy BIOS");
    return {};
}

QString secureBootText(std::optional<std::uint32_t> enabled)
{
    if (!enabled)
        return {};
    return *enabled == 0 ? QStringLiteral("Tắt") : QStringLiteral("Bật");
}

QString tpmText(const QString &specVersion)
{
    const QString first = specVersion.split(QLatin1Char(',')).first().trimmed();
    return first.isEmpty() ? QString() : QStringLiteral("TPM %1").arg(first);
}

QVariantMap buildSystemMap(const SystemRows &rows, const SystemFacts &facts)
{
    QVariantMap system;
    putText(system, SystemKey::kDeviceType,
            deviceType(rows.enclosure.value(QStringLiteral("ChassisTypes")), facts.hasBattery));
    putText(system, SystemKey::kManufacturer, rowText(rows.computer, "Manufacturer"));
    putText(system, SystemKey::kModel, rowText(rows.computer, "Model"));
    putText(system, SystemKey::kFamily, rowText(rows.computer, "SystemFamily"));
    putText(system, SystemKey::kSystemType, rowText(rows.computer, "SystemType"));
    putText(system, SystemKey::kSerial, rowText(rows.bios, "SerialNumber"));
    putText(system, SystemKey::kAssetTag, rowText(rows.enclosure, "SMBIOSAssetTag"));
    putText(system, SystemKey::kBiosVersion, rowText(rows.bios, "SMBIOSBIOSVersion"));
    putText(system, SystemKey::kBiosDate, dateText(rowText(rows.bios, "ReleaseDate")));
    putText(system, SystemKey::kBiosVendor, rowText(rows.bios, "Manufacturer"));
    putText(system, SystemKey::kBoardModel, rowText(rows.board, "Product"));
    putText(system, SystemKey::kBoardManufacturer, rowText(rows.board, "Manufacturer"));
    putText(system, SystemKey::kBoardSerial, rowText(rows.board, "SerialNumber"));
    putText(system, SystemKey::kFirmware, firmwareText(facts.firmwareType));
    putText(system, SystemKey::kSecureBoot, secureBootText(facts.secureBoot));
    putText(system, SystemKey::kOsName, rowText(rows.os, "Caption"));
    putText(system, SystemKey::kOsVersion, rowText(rows.os, "Version"));
    putText(system, SystemKey::kOsBuild, rowText(rows.os, "BuildNumber"));
    putText(system, SystemKey::kOsArch, rowText(rows.os, "OSArchitecture"));
    putText(system, SystemKey::kOsInstallDate, dateText(rowText(rows.os, "InstallDate")));
    putText(system, SystemKey::kTpm, tpmText(rowText(rows.tpm, "SpecVersion")));
    return system;
}
