#include "perf/kernels.h"

#include <cmath>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#elif defined(_M_X64) && defined(_MSC_VER)
#include <immintrin.h>
#include <intrin.h>
#endif

namespace {

// A new thread starts with the vector registers of the thread that created it. When that one
// left the upper halves of its 256-bit registers in use (a library's AVX code without the
// closing vzeroupper), every SSE instruction of the kernels pays a transition or a merge, and
// the kernels run ten times slower: the measurement would be of that state, not of the CPU.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("avx"))) void zeroUpper()
{
    _mm256_zeroupper();
}

void clearUpperVectorState()
{
    if (__builtin_cpu_supports("avx"))
        zeroUpper();
}
#elif defined(_M_X64) && defined(_MSC_VER)
void clearUpperVectorState()
{
    int regs[4];
    __cpuid(regs, 1);
    const bool osSaves = (regs[2] & (1 << 27)) != 0;
    const bool avx = (regs[2] & (1 << 28)) != 0;
    if (osSaves && avx && (_xgetbv(0) & 6) == 6)
        _mm256_zeroupper();
}
#else
void clearUpperVectorState() {}
#endif

} // namespace

void runStressKernel(const std::atomic<bool> &stop)
{
    clearUpperVectorState();
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
    clearUpperVectorState();
    volatile double x = 1.0001;
    for (std::int64_t i = 0; i < steps; ++i) {
        x = x * 1.0000001 + 0.5;
        x = std::sqrt(std::fabs(x)) - std::sin(static_cast<double>(i) * 1e-7) + x;
        if (x > 1e9)
            x = 1.0001;
    }
    return x;
}
