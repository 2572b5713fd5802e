#pragma once

#include <QString>

// One entry of `ramModules`: one memory module.
namespace RamModuleKey {
inline const QString kCapacity = QStringLiteral("capacity");
inline const QString kSlot = QStringLiteral("slot");
inline const QString kSpeed = QStringLiteral("speed");
inline const QString kType = QStringLiteral("type");
inline const QString kFormFactor = QStringLiteral("formFactor");
inline const QString kManufacturer = QStringLiteral("manufacturer");
inline const QString kPartNumber = QStringLiteral("partNumber");
inline const QString kSerial = QStringLiteral("serial");
inline const QString kVoltage = QStringLiteral("voltage");
inline const QString kEcc = QStringLiteral("ecc");
} // namespace RamModuleKey
