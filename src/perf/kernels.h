#pragma once

#include <atomic>
#include <cstdint>

// Keeps one logical processor's floating-point units busy, without memory traffic, until
// stop is set; returns within one batch of 4096 steps after that.
void runStressKernel(const std::atomic<bool> &stop);

// The benchmark's fixed floating-point workload: steps dependent operations, one per step.
double runBenchmarkKernel(std::int64_t steps);
