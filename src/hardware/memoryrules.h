#pragma once

#include <QList>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <optional>

// Kilobytes as bytes, saturating instead of wrapping on absurd values.
quint64 kilobytesToBytes(quint64 kilobytes);

// The name of an SMBIOS memory type code ("DDR4" for 26); empty for codes without a name.
QString memoryTypeName(int smbiosMemoryType);
// "Single Channel", "Dual Channel", "Quad Channel", "Multi Channel"; empty below one module.
QString channelText(int moduleCount);

// One ramModules entry from one Win32_PhysicalMemory row.
QVariantMap memoryModuleMap(const QVariantMap &row);

struct MemoryUpgrade {
    std::optional<bool> upgradable; // absent: the key is not written
    QString note;
};

// maxBytes 0 means the maximum is unknown; freeSlots is 0 when the slot count is unknown.
MemoryUpgrade memoryUpgrade(quint64 maxBytes, quint64 totalBytes, int freeSlots);

// ramSummary from the module rows, the maps built from them and the first memory array row.
QVariantMap buildRamSummary(const QList<QVariantMap> &moduleRows, const QVariantList &modules,
                            const QVariantMap &arrayRow);
