#pragma once

#include "platform/source.h"

#include <QString>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

// The lengths of the CPU, memory and disk benchmark. Tests shorten them; the program uses
// the defaults.
struct BenchmarkSettings {
    std::int64_t kernelSteps = 60'000'000; // per thread
    int copyWindowMs = 500;
    std::size_t copyBufferBytes = 128u << 20;
    std::uint64_t diskFileBytes = 256u << 20;
    std::size_t diskBlockBytes = 4u << 20;
    QString tempFolder; // empty: the user's temporary folder
};

// A stress worker: keeps one logical processor busy until the flag is set.
using StressKernel = std::function<void(const std::atomic<bool> &stop)>;

struct PerfSettings {
    std::shared_ptr<platform::Source> source; // null: the process-wide source
    int sampleIntervalMs = 1000;
    int stressTickMs = 1000;
    StressKernel stressKernel; // empty: the floating-point stress loop
    BenchmarkSettings benchmark;
};
