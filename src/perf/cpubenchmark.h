#pragma once

#include "perf/perfsettings.h"

#include <QString>
#include <QVariantMap>

#include <atomic>
#include <functional>

// What the benchmark stages measured; a stage that could not measure leaves 0.
struct BenchmarkFigures {
    double singleMops = 0;
    double multiMops = 0;
    int threads = 1;
    double ramGBps = 0;
    double diskWriteMiBps = 0;
    double diskReadMiBps = 0;
};

// The published result map; optional keys are left out when their figure is 0.
QVariantMap benchmarkResult(const BenchmarkFigures &figures);

using BenchmarkProgress = std::function<void(int percent, const QString &stage)>;

// Runs the four stages in order on the calling thread and returns the result map. A set
// cancel flag skips the remaining stages; the map is then incomplete and not meant to be shown.
QVariantMap runCpuBenchmark(const BenchmarkSettings &settings, const BenchmarkProgress &progress,
                            const std::atomic<bool> &cancel);
