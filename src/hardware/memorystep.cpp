#include "hardware/keys/ramsummarykeys.h"
#include "hardware/memoryrules.h"
#include "hardware/rowreaders.h"
#include "hardware/textformats.h"
#include "hardware/windowscollector.h"

void collectMemory(const CollectContext &context, QVariantMap &summary, QVariantList &modules)
{
    const QList<QVariantMap> rows = context.cimv2.query(QStringLiteral(
        "SELECT Capacity, Speed, ConfiguredClockSpeed, Manufacturer, PartNumber, SerialNumber, "
        "DeviceLocator, SMBIOSMemoryType, FormFactor, ConfiguredVoltage, DataWidth, TotalWidth "
        "FROM Win32_PhysicalMemory"));
    const QVariantMap array = context.cimv2.queryFirst(
        QStringLiteral("SELECT MemoryDevices, MaxCapacityEx FROM Win32_PhysicalMemoryArray"));
    for (const QVariantMap &row : rows)
        modules.append(memoryModuleMap(row));
    summary = buildRamSummary(rows, modules, array);
    // Without module rows (tables unreadable, as for a user on Linux) the installed total is
    // unknown, but the memory the system sees is still better than no size at all.
    if (rows.isEmpty()) {
        const QVariantMap system =
            context.cimv2.queryFirst(QStringLiteral("SELECT TotalPhysicalMemory FROM Win32_ComputerSystem"));
        putText(summary, RamSummaryKey::kTotal, sizeText(rowUInt64(system, "TotalPhysicalMemory")));
    }
}
