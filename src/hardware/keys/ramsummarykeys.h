#pragma once

#include <QString>

// The `ramSummary` map of a scan: all memory together.
namespace RamSummaryKey {
inline const QString kTotal = QStringLiteral("total");
inline const QString kSlots = QStringLiteral("slots");
inline const QString kUsedSlots = QStringLiteral("usedSlots");
inline const QString kChannel = QStringLiteral("channel");
inline const QString kType = QStringLiteral("type");
inline const QString kMaxCapacity = QStringLiteral("maxCapacity");
inline const QString kFreeSlots = QStringLiteral("freeSlots");
inline const QString kUpgradable = QStringLiteral("upgradable");
inline const QString kUpgradeNote = QStringLiteral("upgradeNote");
} // namespace RamSummaryKey
