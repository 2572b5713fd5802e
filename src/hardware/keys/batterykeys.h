#pragma once

#include <QString>

// The `battery` map of a scan; only `present` when there is no battery.
namespace BatteryKey {
inline const QString kPresent = QStringLiteral("present");
inline const QString kName = QStringLiteral("name");
inline const QString kModel = QStringLiteral("model");
inline const QString kManufacturer = QStringLiteral("manufacturer");
inline const QString kSerial = QStringLiteral("serial");
inline const QString kChemistry = QStringLiteral("chemistry");
inline const QString kCharge = QStringLiteral("charge");
inline const QString kCharging = QStringLiteral("charging");
inline const QString kAcConnected = QStringLiteral("acConnected");
inline const QString kStatus = QStringLiteral("status");
inline const QString kAcPower = QStringLiteral("acPower");
inline const QString kVoltage = QStringLiteral("voltage");
inline const QString kPowerFlow = QStringLiteral("powerFlow");
inline const QString kCycleCount = QStringLiteral("cycleCount");
inline const QString kRemainingCapacity = QStringLiteral("remainingCapacity");
inline const QString kRemainingCapacityMah = QStringLiteral("remainingCapacityMah");
inline const QString kDesignCapacity = QStringLiteral("designCapacity");
inline const QString kDesignCapacityMah = QStringLiteral("designCapacityMah");
inline const QString kFullCapacity = QStringLiteral("fullCapacity");
inline const QString kFullCapacityMah = QStringLiteral("fullCapacityMah");
inline const QString kWear = QStringLiteral("wear");
inline const QString kWearValue = QStringLiteral("wearValue");
inline const QString kRuntime = QStringLiteral("runtime");
} // namespace BatteryKey
