#include "hardware/keys/systemkeys.h"
#include "hardware/processorrules.h"
#include "hardware/windowscollector.h"

namespace {

QString brandFromCpuid(platform::Source &source)
{
    const auto top = source.cpuid(0x80000000u, std::nullopt);
    if (!top || top->eax < 0x80000004u)
        return {};
    std::array<platform::CpuidRegisters, 3> leaves;
    for (std::uint32_t i = 0; i < 3; ++i) {
        const auto regs = source.cpuid(0x80000002u + i, std::nullopt);
        if (!regs)
            return {};
        leaves[i] = *regs;
    }
    return brandString(leaves);
}

} // namespace

QVariantMap collectProcessor(const CollectContext &context, const QVariantMap &system)
{
    const QVariantMap row = context.cimv2.queryFirst(QStringLiteral(
        "SELECT Name, Manufacturer, SocketDesignation, NumberOfCores, NumberOfLogicalProcessors, "
        "MaxClockSpeed, L2CacheSize, L3CacheSize, ProcessorId, VirtualizationFirmwareEnabled, "
        "UpgradeMethod FROM Win32_Processor"));
    const QString brand = row.value(QStringLiteral("Name")).toString().trimmed().isEmpty()
                              ? brandFromCpuid(context.source)
                              : QString();
    const QString instructionSets =
        instructionSetsText(context.source.cpuid(1, std::nullopt), context.source.cpuid(7, 0u));
    return buildCpuMap(row, brand, instructionSets, system.value(SystemKey::kDeviceType).toString());
}
