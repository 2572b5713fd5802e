#include "platform/linux/linux_source.h"
#include "platform/linux/system_classes.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#define KELVARO_HAS_CPUID 1
#endif

namespace platform::linuxbackend {

std::optional<CpuidRegisters> cpuidOnLiveRoot(const SysRoot &root, std::uint32_t leaf,
                                              std::optional<std::uint32_t> subLeaf)
{
#ifdef KELVARO_HAS_CPUID
    if (!root.isLive())
        return std::nullopt;
    // Refuses leaves above the processor's highest one, whose answers would be another leaf's.
    CpuidRegisters regs;
    if (!__get_cpuid_count(leaf, subLeaf.value_or(0), &regs.eax, &regs.ebx, &regs.ecx, &regs.edx))
        return std::nullopt;
    return regs;
#else
    (void)root;
    (void)leaf;
    (void)subLeaf;
    return std::nullopt;
#endif
}

std::optional<CpuidRegisters> LinuxSource::cpuid(std::uint32_t leaf, std::optional<std::uint32_t> subLeaf)
{
    return cpuidOnLiveRoot(root(), leaf, subLeaf);
}

} // namespace platform::linuxbackend
