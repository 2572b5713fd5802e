#include "laptop/laptopchecks.h"

#include "hardware/diskmedia.h"
#include "hardware/keys/diskkeys.h"
#include "hardware/keys/rammodulekeys.h"
#include "hardware/keys/ramsummarykeys.h"
#include "hardware/keys/systemkeys.h"

#include <QRegularExpression>
#include <QSet>

#include <initializer_list>

namespace {

bool containsAny(const QString &text, std::initializer_list<const char *> words)
{
    for (const char *word : words) {
        if (text.contains(QLatin1String(word)))
            return true;
    }
    return false;
}

// The options list Intel and AMD processors as "i7-8550U / Ryzen 5 2500U": the slash separates
// two names just as the commas do, or the processors beside it could never be recognised.
bool isListedProcessor(const QString &cpuOptions, const QString &normalizedName)
{
    static const QRegularExpression separators(QStringLiteral("[,/]"));
    const QStringList parts = cpuOptions.split(separators, Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QString option = normalizeCpuName(part);
        if (!option.isEmpty() && normalizedName.contains(option))
            return true;
    }
    return false;
}

QVariantList mixedModuleFindings(const QVariantList &ramModules)
{
    int counted = 0;
    QSet<QString> capacities;
    QSet<QString> makers;
    for (const QVariant &item : ramModules) {
        const QVariantMap module = item.toMap();
        const QString capacity = module.value(RamModuleKey::kCapacity).toString();
        if (capacity.isEmpty())
            continue;
        ++counted;
        capacities.insert(capacity);
        const QString maker = module.value(RamModuleKey::kManufacturer).toString().trimmed().toLower();
        if (!maker.isEmpty())
            makers.insert(maker);
    }
    if (counted < 2 || (capacities.size() < 2 && makers.size() < 2))
        return {};
    return {makeFinding(
        QStringLiteral("RAM"), QStringLiteral("RAM không đồng nhất giữa các khe"), FindingStatus::Info,
        QStringLiteral("Các thanh RAM khác dung lượng/hãng. Đây có thể là cấu hình xuất xưởng hoặc "
                       "đã được nâng cấp RAM — không đủ căn cứ để kết luận đã thay."),
        FindingImpact::Upgrade)};
}

QVariantList capacityFindings(const QVariantMap &ramSummary)
{
    const QString note = ramSummary.value(RamSummaryKey::kUpgradeNote).toString();
    if (ramSummary.value(RamSummaryKey::kUpgradable).toBool()) {
        const int freeSlots = ramSummary.value(RamSummaryKey::kFreeSlots).toInt();
        QString detail = note;
        if (detail.isEmpty()) {
            detail = freeSlots >= 1 ? QStringLiteral("Còn %1 khe RAM trống.").arg(freeSlots)
                                    : QStringLiteral("Có thể nâng dung lượng RAM.");
        }
        return {makeFinding(QStringLiteral("RAM"), QStringLiteral("RAM còn nâng cấp được"),
                            FindingStatus::Info, detail)};
    }
    if (ramSummary.value(RamSummaryKey::kTotal).toString().isEmpty())
        return {};
    return {makeFinding(QStringLiteral("RAM"), QStringLiteral("RAM đã đạt mức tối đa"), FindingStatus::Ok,
                        note.isEmpty() ? QStringLiteral("RAM đã đầy / đạt mức hỗ trợ tối đa.") : note)};
}

} // namespace

QString normalizeCpuName(const QString &text)
{
    QString name = text.toLower();
    for (const char *noise : {"(tm)", "(r)", "(c)", "processor", "cpu"})
        name.remove(QLatin1String(noise));
    return name.simplified();
}

QString ddrGeneration(const QString &text)
{
    const QString lower = text.toLower();
    for (const char *generation : {"ddr5", "ddr4", "ddr3"}) {
        if (lower.contains(QLatin1String(generation)))
            return QLatin1String(generation);
    }
    return {};
}

bool cpuVendorDiffers(const QString &cpuPlatform, const QString &normalizedCpuName)
{
    const QString platform = cpuPlatform.toLower();
    const bool intelNamed = platform.contains(QLatin1String("intel"));
    const bool amdNamed = platform.contains(QLatin1String("amd"));
    if (intelNamed == amdNamed)
        return false;
    if (intelNamed)
        return containsAny(normalizedCpuName, {"amd", "ryzen", "athlon"});
    return containsAny(normalizedCpuName, {"intel", "core ", "pentium", "celeron"});
}

QVariantList processorFindings(const LaptopMatch &match, const QString &cpuName)
{
    if (!match.found || cpuName.trimmed().isEmpty())
        return {};
    const QString name = normalizeCpuName(cpuName);
    if (isListedProcessor(match.cpuOptions, name)) {
        return {makeFinding(QStringLiteral("CPU"), QStringLiteral("CPU đúng cấu hình hãng"),
                            FindingStatus::Ok,
                            QStringLiteral("CPU nằm trong danh sách hãng trang bị cho dòng main này."))};
    }
    if (cpuVendorDiffers(match.cpuPlatform, name)) {
        return {makeFinding(QStringLiteral("CPU"), QStringLiteral("CPU khác hãng so với nền tảng main"),
                            FindingStatus::Alert,
                            QStringLiteral("Main thuộc nền tảng %1 nhưng CPU lại là hãng khác → nghi đã tháo "
                                           "lắp/ghép main hoặc độ chế.")
                                .arg(match.cpuPlatform))};
    }
    return {makeFinding(
        QStringLiteral("CPU"), QStringLiteral("CPU không có trong danh sách phổ biến"), FindingStatus::Warn,
        QStringLiteral("CPU không khớp danh sách hãng thường trang bị cho dòng này — có thể là bản "
                       "hiếm hoặc đã thay CPU. Cần kiểm tra thêm."))};
}

QVariantList boardFindings(const LaptopMatch &match, const QVariantMap &system)
{
    if (!match.found)
        return {};
    const QString actual = (system.value(SystemKey::kBoardManufacturer).toString() + QLatin1Char(' ') +
                            system.value(SystemKey::kBoardModel).toString())
                               .trimmed();
    // Both values at once: a board name holding "%2" must not pull in the catalogue text.
    const QString detail =
        actual.isEmpty()
            ? QStringLiteral("Dòng main chuẩn của hãng: %1. Hãy đối chiếu mã in trên PCB khi thay main.")
                  .arg(match.boardId)
            : QStringLiteral("Main thực tế: %1 · Dòng chuẩn: %2.").arg(actual, match.boardId);
    return {
        makeFinding(QStringLiteral("Mainboard"), QStringLiteral("Bo mạch chủ"), FindingStatus::Info, detail)};
}

QVariantList memoryFindings(const QVariantMap &ramSummary, const QVariantList &ramModules)
{
    return mixedModuleFindings(ramModules) << capacityFindings(ramSummary);
}

QVariantList storageFindings(const QVariantList &disks)
{
    int counted = 0;
    int solidState = 0;
    int hardDisks = 0;
    for (const QVariant &item : disks) {
        const QVariantMap disk = item.toMap();
        if (disk.value(DiskKey::kCapacity).toString().isEmpty())
            continue;
        ++counted;
        const DiskMedia media = diskMediaOfText(disk.value(DiskKey::kMediaType).toString());
        if (media == DiskMedia::Ssd ||
            disk.value(DiskKey::kInterface).toString().toLower().contains(QLatin1String("nvme")))
            ++solidState;
        else if (media == DiskMedia::Hdd)
            ++hardDisks;
    }

    const QString area = QStringLiteral("Ổ cứng");
    QVariantList findings;
    if (solidState == 0 && hardDisks > 0) {
        findings << makeFinding(
            area, QStringLiteral("Chỉ có ổ cứng HDD"), FindingStatus::Warn,
            QStringLiteral("Máy còn dùng HDD — nên nâng cấp lên SSD để tăng tốc đáng kể."),
            FindingImpact::None);
    } else if (solidState > 0 && hardDisks > 0) {
        findings << makeFinding(
            area, QStringLiteral("Có nhiều thiết bị lưu trữ"), FindingStatus::Info,
            QStringLiteral("Máy hiện có cả SSD và HDD. Đây có thể là cấu hình xuất xưởng hoặc "
                           "đã được nâng cấp thêm ổ."),
            FindingImpact::Upgrade);
    } else if (solidState > 0) {
        findings << makeFinding(
            area, QStringLiteral("Đang dùng SSD"), FindingStatus::Ok,
            QStringLiteral("Ổ lưu trữ đã là SSD. Nếu bản xuất xưởng là HDD thì máy đã được nâng "
                           "cấp hợp lệ."));
    }
    if (counted > 1) {
        findings << makeFinding(
            area, QStringLiteral("Đang có %1 thiết bị lưu trữ").arg(counted), FindingStatus::Info,
            QStringLiteral("Số ổ nhiều hơn 1. Có thể là cấu hình xuất xưởng hoặc đã gắn thêm — "
                           "chưa đủ căn cứ để kết luận chắc chắn."),
            FindingImpact::None);
    }
    return findings;
}
