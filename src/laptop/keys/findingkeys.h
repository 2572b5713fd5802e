#pragma once

#include <QString>

// One entry of the evaluation's `findings`.
namespace FindingKey {
inline const QString kArea = QStringLiteral("area");
inline const QString kLabel = QStringLiteral("label");
inline const QString kStatus = QStringLiteral("status");
inline const QString kDetail = QStringLiteral("detail");
inline const QString kImpact = QStringLiteral("impact");
} // namespace FindingKey
