#pragma once

#include <QString>

// One entry of `gpus`.
namespace GpuKey {
inline const QString kName = QStringLiteral("name");
inline const QString kVendor = QStringLiteral("vendor");
inline const QString kVram = QStringLiteral("vram");
inline const QString kDriver = QStringLiteral("driver");
inline const QString kDriverDate = QStringLiteral("driverDate");
inline const QString kResolution = QStringLiteral("resolution");
inline const QString kRefresh = QStringLiteral("refresh");
} // namespace GpuKey
