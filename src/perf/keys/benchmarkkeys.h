#pragma once

#include <QString>

// The benchmark result map (PerfController::benchmark).
namespace BenchmarkKey {
inline const QString kCpuSingle = QStringLiteral("cpuSingle");
inline const QString kCpuSingleScore = QStringLiteral("cpuSingleScore");
inline const QString kCpuMulti = QStringLiteral("cpuMulti");
inline const QString kCpuMultiScore = QStringLiteral("cpuMultiScore");
inline const QString kCpuThreads = QStringLiteral("cpuThreads");
inline const QString kCpuScaling = QStringLiteral("cpuScaling");
inline const QString kRamBandwidth = QStringLiteral("ramBandwidth");
inline const QString kRamScore = QStringLiteral("ramScore");
inline const QString kDiskRead = QStringLiteral("diskRead");
inline const QString kDiskWrite = QStringLiteral("diskWrite");
inline const QString kDiskScore = QStringLiteral("diskScore");
} // namespace BenchmarkKey
