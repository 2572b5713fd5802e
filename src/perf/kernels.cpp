#include "perf/kernels.h"

#include <cmath>

void runStressKernel(const std::atomic<bool> &stop)
{
    // Volatile so that every step is really computed and stored.
    volatile double x = 1.0001;
    while (!stop.load(std::memory_order_relaxed)) {
        for (int i = 0; i < 4096; ++i) {
            const double old = x;
            x = old * 1.0000001 + std::sqrt(old) * 0.5;
            x = x + std::sin(x) * std::cos(x);
            if (x > 1e6)
                x = 1.0001;
        }
    }
}

double runBenchmarkKernel(std::int64_t steps)
{
    volatile double x = 1.0001;
    for (std::int64_t i = 0; i < steps; ++i) {
        x = x * 1.0000001 + 0.5;
        x = std::sqrt(std::fabs(x)) - std::sin(static_cast<double>(i) * 1e-7) + x;
        if (x > 1e9)
            x = 1.0001;
    }
    return x;
}
