#pragma once

#include <QString>

// The `cpu` map of a scan.
namespace CpuKey {
inline const QString kName = QStringLiteral("name");
inline const QString kManufacturer = QStringLiteral("manufacturer");
inline const QString kSocket = QStringLiteral("socket");
inline const QString kCores = QStringLiteral("cores");
inline const QString kThreads = QStringLiteral("threads");
inline const QString kBaseClock = QStringLiteral("baseClock");
inline const QString kL2 = QStringLiteral("l2");
inline const QString kL3 = QStringLiteral("l3");
inline const QString kProcessorId = QStringLiteral("processorId");
inline const QString kVirtualization = QStringLiteral("virtualization");
inline const QString kInstructionSets = QStringLiteral("instructionSets");
inline const QString kUpgradable = QStringLiteral("upgradable");
inline const QString kUpgradeNote = QStringLiteral("upgradeNote");
} // namespace CpuKey
