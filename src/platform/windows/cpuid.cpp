#include "platform/windows/windows_source.h"

#if defined(_M_X64) || defined(_M_IX86) || defined(__x86_64__) || defined(__i386__)
#include <intrin.h>
#define KELVARO_HAS_CPUID 1
#endif

namespace platform::windowsbackend {

std::optional<CpuidRegisters> WindowsSource::cpuid(std::uint32_t leaf, std::optional<std::uint32_t> subLeaf)
{
#ifdef KELVARO_HAS_CPUID
    int regs[4] = {};
    // A leaf above the highest one returns another leaf's data, so such leaves are absent.
    __cpuid(regs, static_cast<int>(leaf & 0x80000000u));
    if (leaf > static_cast<std::uint32_t>(regs[0]))
        return std::nullopt;
    __cpuidex(regs, static_cast<int>(leaf), static_cast<int>(subLeaf.value_or(0)));
    return CpuidRegisters{static_cast<std::uint32_t>(regs[0]), static_cast<std::uint32_t>(regs[1]),
                          static_cast<std::uint32_t>(regs[2]), static_cast<std::uint32_t>(regs[3])};
#else
    (void)leaf;
    (void)subLeaf;
    return std::nullopt;
#endif
}

} // namespace platform::windowsbackend
