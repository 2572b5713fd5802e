#pragma once

#include <QString>

// The evaluation's `board`: the catalogue entry the machine matched; only `found` counts when none did.
namespace BoardKey {
inline const QString kFound = QStringLiteral("found");
inline const QString kBrand = QStringLiteral("brand");
inline const QString kSeries = QStringLiteral("series");
inline const QString kFormFactor = QStringLiteral("formFactor");
inline const QString kCpuPlatform = QStringLiteral("cpuPlatform");
inline const QString kCpuSoldered = QStringLiteral("cpuSoldered");
inline const QString kCpuUpgradable = QStringLiteral("cpuUpgradable");
inline const QString kCpuOptions = QStringLiteral("cpuOptions");
inline const QString kMaxRam = QStringLiteral("maxRam");
inline const QString kRamSlots = QStringLiteral("ramSlots");
inline const QString kRamType = QStringLiteral("ramType");
inline const QString kBoardId = QStringLiteral("boardId");
inline const QString kSwapGroup = QStringLiteral("swapGroup");
inline const QString kUpgradeNote = QStringLiteral("upgradeNote");
inline const QString kInterchangeable = QStringLiteral("interchangeable");
} // namespace BoardKey
