#pragma once

#include <QString>

// One entry of `displays`: one monitor attached to the desktop.
namespace DisplayKey {
inline const QString kPrimary = QStringLiteral("primary");
inline const QString kResolution = QStringLiteral("resolution");
inline const QString kRefresh = QStringLiteral("refresh");
inline const QString kColorDepth = QStringLiteral("colorDepth");
inline const QString kNativeResolution = QStringLiteral("nativeResolution");
inline const QString kMaxRefresh = QStringLiteral("maxRefresh");
inline const QString kAdapter = QStringLiteral("adapter");
inline const QString kModel = QStringLiteral("model");
inline const QString kVendor = QStringLiteral("vendor");
inline const QString kSerial = QStringLiteral("serial");
inline const QString kYear = QStringLiteral("year");
inline const QString kSize = QStringLiteral("size");
} // namespace DisplayKey
