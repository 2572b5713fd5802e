#pragma once

#include <QString>

// One row of the score's categories.
namespace CategoryKey {
inline const QString kName = QStringLiteral("name");
inline const QString kScore = QStringLiteral("score");
inline const QString kWeight = QStringLiteral("weight");
inline const QString kNote = QStringLiteral("note");
inline const QString kNa = QStringLiteral("na");
} // namespace CategoryKey
