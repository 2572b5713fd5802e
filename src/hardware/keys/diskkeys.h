#pragma once

#include <QString>

// One entry of `disks`.
namespace DiskKey {
inline const QString kCapacity = QStringLiteral("capacity");
inline const QString kInterface = QStringLiteral("interface");
inline const QString kModel = QStringLiteral("model");
inline const QString kSerial = QStringLiteral("serial");
inline const QString kFirmware = QStringLiteral("firmware");
inline const QString kManufacturer = QStringLiteral("manufacturer");
inline const QString kMediaType = QStringLiteral("mediaType");
inline const QString kHealth = QStringLiteral("health");
inline const QString kHealthPercent = QStringLiteral("healthPercent");
inline const QString kPowerOnHours = QStringLiteral("powerOnHours");
inline const QString kTemperature = QStringLiteral("temperature");
} // namespace DiskKey
