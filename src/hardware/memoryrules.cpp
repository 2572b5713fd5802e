#include "hardware/memoryrules.h"

#include "hardware/keys/rammodulekeys.h"
#include "hardware/keys/ramsummarykeys.h"
#include "hardware/rowreaders.h"
#include "hardware/textformats.h"

#include <algorithm>
#include <limits>

quint64 kilobytesToBytes(quint64 kilobytes)
{
    constexpr quint64 limit = std::numeric_limits<quint64>::max() / 1024;
    return kilobytes > limit ? std::numeric_limits<quint64>::max() : kilobytes * 1024;
}

QString memoryTypeName(int smbiosMemoryType)
{
    switch (smbiosMemoryType) {
    case 18:
        return QStringLiteral("DDR");
    case 19:
    case 20: // FB-DIMM
        return QStringLiteral("DDR2");
    case 24:
        return QStringLiteral("DDR3");
    case 26:
        return QStringLiteral("DDR4");
    case 27:
        return QStringLiteral("LPDDR");
    case 28:
        return QStringLiteral("LPDDR2");
    case 29:
        return QStringLiteral("LPDDR3");
    case 30:
        return QStringLiteral("LPDDR4");
    case 34:
        return QStringLiteral("DDR5");
    case 35:
        return QStringLiteral("LPDDR5");
    default:
        return {};
    }
}

QString channelText(int moduleCount)
{
    if (moduleCount < 1)
        return {};
    switch (moduleCount) {
    case 1:
        return QStringLiteral("Single Channel");
    case 2:
        return QStringLiteral("Dual Channel");
    case 4:
        return QStringLiteral("Quad Channel");
    default:
        return QStringLiteral("Multi Channel");
    }
}

QVariantMap memoryModuleMap(const QVariantMap &row)
{
    QVariantMap module;
    putText(module, RamModuleKey::kCapacity, sizeText(rowUInt64(row, "Capacity")));
    putText(module, RamModuleKey::kSlot, rowText(row, "DeviceLocator"));
    const int configured = rowInt(row, "ConfiguredClockSpeed");
    const int speed = configured < 1 ? rowInt(row, "Speed") : configured;
    if (speed >= 1)
        module.insert(RamModuleKey::kSpeed, QStringLiteral("%1 MT/s").arg(speed));
    putText(module, RamModuleKey::kType, memoryTypeName(rowInt(row, "SMBIOSMemoryType")));
    const int formFactor = rowInt(row, "FormFactor");
    if (formFactor == 8)
        module.insert(RamModuleKey::kFormFactor, QStringLiteral("DIMM"));
    else if (formFactor == 12)
        module.insert(RamModuleKey::kFormFactor, QStringLiteral("SODIMM"));
    putText(module, RamModuleKey::kManufacturer, rowText(row, "Manufacturer"));
    putText(module, RamModuleKey::kPartNumber, rowText(row, "PartNumber"));
    putText(module, RamModuleKey::kSerial, rowText(row, "SerialNumber"));
    if (const int millivolts = rowInt(row, "ConfiguredVoltage"); millivolts >= 1)
        module.insert(RamModuleKey::kVoltage, QStringLiteral("%1 V").arg(millivolts / 1000.0, 0, 'f', 2));
    const int dataWidth = rowInt(row, "DataWidth");
    module.insert(RamModuleKey::kEcc, rowInt(row, "TotalWidth") > dataWidth && dataWidth >= 1);
    return module;
}

MemoryUpgrade memoryUpgrade(quint64 maxBytes, quint64 totalBytes, int freeSlots)
{
    MemoryUpgrade verdict;
    if (maxBytes != 0 && maxBytes <= totalBytes) {
        verdict.note = QStringLiteral("Đã đạt mức RAM tối đa hệ thống hỗ trợ (%1).").arg(sizeText(maxBytes));
        verdict.upgradable = false;
    } else if (maxBytes != 0) {
        verdict.note = QStringLiteral("Hỗ trợ tối đa %1 · hiện %2 · có thể nâng thêm ~%3")
                           .arg(sizeText(maxBytes), sizeText(totalBytes), sizeText(maxBytes - totalBytes));
        if (freeSlots < 1)
            verdict.note += QStringLiteral(" (đã đầy khe — cần thay bằng thanh dung lượng cao hơn).");
        else
            verdict.note += QStringLiteral(" (còn %1 khe trống — gắn thêm thanh mới).").arg(freeSlots);
        verdict.upgradable = true;
    } else if (freeSlots < 1) {
        verdict.note =
            QStringLiteral("Đã lắp đầy khe RAM. Muốn tăng cần thay bằng thanh dung lượng cao hơn.");
    } else {
        verdict.note =
            QStringLiteral("Còn %1 khe RAM trống — có thể gắn thêm thanh để tăng dung lượng.").arg(freeSlots);
        verdict.upgradable = true;
    }
    return verdict;
}

QVariantMap buildRamSummary(const QList<QVariantMap> &moduleRows, const QVariantList &modules,
                            const QVariantMap &arrayRow)
{
    quint64 total = 0;
    for (const QVariantMap &row : moduleRows) {
        const quint64 capacity = rowUInt64(row, "Capacity");
        total = capacity > std::numeric_limits<quint64>::max() - total ? std::numeric_limits<quint64>::max()
                                                                       : total + capacity;
    }
    const int count = moduleRows.size();
    const int devices = rowInt(arrayRow, "MemoryDevices");
    const quint64 maxBytes = kilobytesToBytes(rowUInt64(arrayRow, "MaxCapacityEx"));

    QVariantMap summary;
    putText(summary, RamSummaryKey::kTotal, sizeText(total));
    if (devices > 0)
        summary.insert(RamSummaryKey::kSlots, devices);
    summary.insert(RamSummaryKey::kUsedSlots, count);
    putText(summary, RamSummaryKey::kChannel, channelText(count));
    if (!modules.isEmpty())
        putText(summary, RamSummaryKey::kType, modules.first().toMap().value(RamModuleKey::kType).toString());
    if (maxBytes != 0)
        putText(summary, RamSummaryKey::kMaxCapacity, sizeText(maxBytes));
    // More modules than slots means one of the two tables is wrong; no slot is free either way.
    const int freeSlots = std::max(0, devices - count);
    if (devices > 0)
        summary.insert(RamSummaryKey::kFreeSlots, freeSlots);

    // A running machine has memory, so no module row means the modules are unknown (tables
    // unreadable or cut short): any verdict on room to grow would rest on nothing.
    if (count == 0)
        return summary;
    const MemoryUpgrade upgrade = memoryUpgrade(maxBytes, total, freeSlots);
    if (upgrade.upgradable)
        summary.insert(RamSummaryKey::kUpgradable, *upgrade.upgradable);
    putText(summary, RamSummaryKey::kUpgradeNote, upgrade.note);
    return summary;
}
