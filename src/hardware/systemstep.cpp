#include "hardware/systemrules.h"
#include "hardware/windowscollector.h"

namespace {

bool hasBattery(const CollectContext &context)
{
    if (powerStatusShowsBattery(context.source.powerStatus()))
        return true;
    return !context.cimv2.query(QStringLiteral("SELECT Name FROM Win32_Battery")).isEmpty();
}

QVariantMap tpmRow(platform::Source &source)
{
    WmiConnection tpm(source);
    if (!tpm.open(QStringLiteral("ROOT\\CIMV2\\Security\\MicrosoftTpm")))
        return {};
    return tpm.queryFirst(QStringLiteral("SELECT SpecVersion, IsEnabled_InitialValue FROM Win32_Tpm"));
}

} // namespace

QVariantMap collectSystem(const CollectContext &context)
{
    const WmiConnection &wmi = context.cimv2;
    SystemRows rows;
    rows.computer =
        wmi.queryFirst(QStringLiteral("SELECT Manufacturer, Model, SystemType, TotalPhysicalMemory, "
                                      "SystemFamily FROM Win32_ComputerSystem"));
    rows.bios = wmi.queryFirst(
        QStringLiteral("SELECT SMBIOSBIOSVersion, ReleaseDate, SerialNumber, Manufacturer FROM Win32_BIOS"));
    rows.board =
        wmi.queryFirst(QStringLiteral("SELECT Product, Manufacturer, SerialNumber FROM Win32_BaseBoard"));
    rows.enclosure =
        wmi.queryFirst(QStringLiteral("SELECT ChassisTypes, SMBIOSAssetTag FROM Win32_SystemEnclosure"));
    rows.os =
        wmi.queryFirst(QStringLiteral("SELECT Caption, Version, BuildNumber, OSArchitecture, InstallDate, "
                                      "RegisteredUser FROM Win32_OperatingSystem"));

    SystemFacts facts;
    facts.hasBattery = hasBattery(context);
    facts.firmwareType = context.source.firmwareType();
    facts.secureBoot = context.source.secureBootEnabled();
    rows.tpm = tpmRow(context.source);
    return buildSystemMap(rows, facts);
}
