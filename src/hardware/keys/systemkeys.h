#pragma once

#include <QString>

// The `system` map of a scan: the machine, its firmware and its operating system.
namespace SystemKey {
inline const QString kDeviceType = QStringLiteral("deviceType");
inline const QString kManufacturer = QStringLiteral("manufacturer");
inline const QString kModel = QStringLiteral("model");
inline const QString kFamily = QStringLiteral("family");
inline const QString kSystemType = QStringLiteral("systemType");
inline const QString kSerial = QStringLiteral("serial");
inline const QString kAssetTag = QStringLiteral("assetTag");
inline const QString kBiosVersion = QStringLiteral("biosVersion");
inline const QString kBiosDate = QStringLiteral("biosDate");
inline const QString kBiosVendor = QStringLiteral("biosVendor");
inline const QString kBoardModel = QStringLiteral("boardModel");
inline const QString kBoardManufacturer = QStringLiteral("boardManufacturer");
inline const QString kBoardSerial = QStringLiteral("boardSerial");
inline const QString kFirmware = QStringLiteral("firmware");
inline const QString kSecureBoot = QStringLiteral("secureBoot");
inline const QString kOsName = QStringLiteral("osName");
inline const QString kOsVersion = QStringLiteral("osVersion");
inline const QString kOsBuild = QStringLiteral("osBuild");
inline const QString kOsArch = QStringLiteral("osArch");
inline const QString kOsInstallDate = QStringLiteral("osInstallDate");
inline const QString kTpm = QStringLiteral("tpm");
} // namespace SystemKey
