#pragma once

#include <QString>

// The evaluation's `verdict`.
namespace VerdictKey {
inline const QString kLevel = QStringLiteral("level");
inline const QString kTitle = QStringLiteral("title");
inline const QString kText = QStringLiteral("text");
inline const QString kScore = QStringLiteral("score");
inline const QString kStars = QStringLiteral("stars");
inline const QString kStarText = QStringLiteral("starText");
inline const QString kReasons = QStringLiteral("reasons");
} // namespace VerdictKey
