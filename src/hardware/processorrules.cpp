#include "hardware/processorrules.h"

#include "hardware/keys/cpukeys.h"
#include "hardware/memoryrules.h"
#include "hardware/rowreaders.h"
#include "hardware/textformats.h"

#include <QStringList>

namespace {

struct Feature {
    int leaf; // 1 or 7
    char reg; // 'b', 'c' or 'd'
    int bit;
    const char *name;
};

// In the order they are listed.
constexpr Feature kFeatures[] = {
    {1, 'd', 25, "SSE"},    {1, 'd', 26, "SSE2"},     {1, 'c', 0, "SSE3"},  {1, 'c', 19, "SSE4.1"},
    {1, 'c', 20, "SSE4.2"}, {1, 'c', 28, "AVX"},      {1, 'c', 12, "FMA3"}, {1, 'c', 25, "AES"},
    {7, 'b', 5, "AVX2"},    {7, 'b', 16, "AVX-512F"}, {7, 'b', 29, "SHA"},
};

std::uint32_t registerValue(const platform::CpuidRegisters &regs, char reg)
{
    switch (reg) {
    case 'b':
        return regs.ebx;
    case 'c':
        return regs.ecx;
    default:
        return regs.edx;
    }
}

} // namespace

QString brandString(const std::array<platform::CpuidRegisters, 3> &leaves)
{
    QByteArray bytes;
    for (const auto &regs : leaves) {
        for (const std::uint32_t value : {regs.eax, regs.ebx, regs.ecx, regs.edx}) {
            for (int shift = 0; shift < 32; shift += 8)
                bytes.append(static_cast<char>((value >> shift) & 0xFF));
        }
    }
    const int end = bytes.indexOf('\0');
    if (end >= 0)
        bytes.truncate(end);
    return QString::fromLatin1(bytes).trimmed();
}

QString instructionSetsText(const std::optional<platform::CpuidRegisters> &leaf1,
                            const std::optional<platform::CpuidRegisters> &leaf7)
{
    QStringList names;
    for (const Feature &feature : kFeatures) {
        const auto &regs = feature.leaf == 1 ? leaf1 : leaf7;
        if (regs && (registerValue(*regs, feature.reg) >> feature.bit) & 1u)
            names << QLatin1String(feature.name);
    }
    return names.join(QStringLiteral(", "));
}

QString clockText(int megahertz)
{
    if (megahertz <= 0)
        return {};
    return QStringLiteral("%1 GHz").arg(megahertz / 1000.0, 0, 'f', 2);
}

CpuUpgrade cpuUpgrade(const QString &deviceType, const QString &socket, int upgradeMethod)
{
    const bool soldered = socket.toUpper().contains(QLatin1String("BGA")) || upgradeMethod == 6;
    const bool laptop = deviceType == QLatin1String("Laptop");
    const bool smallBox = deviceType == QLatin1String("All-in-One") || deviceType == QLatin1String("Mini PC");
    CpuUpgrade verdict;
    verdict.upgradable = !soldered && !laptop && !smallBox;
    if (soldered) {
        verdict.note =
            QStringLiteral("CPU được hàn chết (BGA) trên bo mạch — không thể tháo rời để nâng cấp. "
                           "Muốn mạnh hơn phải thay cả máy.");
    } else if (laptop) {
        verdict.note =
            QStringLiteral("CPU trên laptop hầu hết được hàn chết (BGA) → không thể nâng cấp riêng CPU. "
                           "Muốn hiệu năng cao hơn cần đổi máy.");
    } else if (smallBox) {
        verdict.note =
            QStringLiteral("Máy nhỏ gọn (AIO/Mini PC) thường hàn chết CPU → khả năng nâng cấp rất thấp, "
                           "cần kiểm tra theo model.");
    } else {
        const QString trimmed = socket.trimmed();
        const QString inParentheses = trimmed.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(trimmed);
        verdict.note =
            QStringLiteral("Máy bàn dùng CPU socket rời%1 → có thể nâng cấp nếu BIOS/bo mạch hỗ trợ. "
                           "Hãy đối chiếu danh sách CPU tương thích của nhà sản xuất bo mạch.")
                .arg(inParentheses);
    }
    return verdict;
}

QVariantMap buildCpuMap(const QVariantMap &row, const QString &brandName, const QString &instructionSets,
                        const QString &deviceType)
{
    QVariantMap cpu;
    const QString name = rowText(row, "Name");
    putText(cpu, CpuKey::kName, name.isEmpty() ? brandName : name);
    putText(cpu, CpuKey::kManufacturer, rowText(row, "Manufacturer"));
    const QString socket = rowText(row, "SocketDesignation");
    putText(cpu, CpuKey::kSocket, socket);
    if (const int cores = rowInt(row, "NumberOfCores"); cores > 0)
        cpu.insert(CpuKey::kCores, cores);
    if (const int threads = rowInt(row, "NumberOfLogicalProcessors"); threads > 0)
        cpu.insert(CpuKey::kThreads, threads);
    putText(cpu, CpuKey::kBaseClock, clockText(rowInt(row, "MaxClockSpeed")));
    if (const quint64 l2 = rowUInt64(row, "L2CacheSize"); l2 != 0)
        putText(cpu, CpuKey::kL2, sizeText(kilobytesToBytes(l2)));
    if (const quint64 l3 = rowUInt64(row, "L3CacheSize"); l3 != 0)
        putText(cpu, CpuKey::kL3, sizeText(kilobytesToBytes(l3)));
    putText(cpu, CpuKey::kProcessorId, rowText(row, "ProcessorId"));
    cpu.insert(CpuKey::kVirtualization, row.value(QStringLiteral("VirtualizationFirmwareEnabled")).toBool());
    putText(cpu, CpuKey::kInstructionSets, instructionSets);
    const CpuUpgrade upgrade = cpuUpgrade(deviceType, socket, rowInt(row, "UpgradeMethod"));
    cpu.insert(CpuKey::kUpgradable, upgrade.upgradable);
    putText(cpu, CpuKey::kUpgradeNote, upgrade.note);
    return cpu;
}
