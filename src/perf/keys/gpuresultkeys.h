#pragma once

#include <QString>

// The GPU test result map (PerfController::gpuResult); the stress keys once the stress test ran.
namespace GpuResultKey {
inline const QString kTested = QStringLiteral("tested");
inline const QString kScore = QStringLiteral("score");
inline const QString kThroughput = QStringLiteral("throughput");
inline const QString kVerdict = QStringLiteral("verdict");
inline const QString kStressTested = QStringLiteral("stressTested");
inline const QString kStability = QStringLiteral("stability");
inline const QString kStressVerdict = QStringLiteral("stressVerdict");
} // namespace GpuResultKey
