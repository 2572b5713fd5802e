#pragma once

#include <QString>

// The map a laptop evaluation returns (LaptopController's source).
namespace EvaluationKey {
inline const QString kIsLaptop = QStringLiteral("isLaptop");
inline const QString kBoard = QStringLiteral("board");
inline const QString kFindings = QStringLiteral("findings");
inline const QString kVerdict = QStringLiteral("verdict");
} // namespace EvaluationKey
