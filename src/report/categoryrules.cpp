#include "report/categoryrules.h"

#include "hardware/diskhealth.h"
#include "hardware/diskmedia.h"
#include "hardware/gpukind.h"
#include "hardware/keys/batterykeys.h"
#include "hardware/keys/cpukeys.h"
#include "hardware/keys/diskkeys.h"
#include "hardware/keys/gpukeys.h"
#include "hardware/keys/ramsummarykeys.h"
#include "perf/keys/gpuresultkeys.h"
#include "report/keys/categorykeys.h"
#include "report/textnumbers.h"

#include <QStringList>

#include <cmath>
#include <initializer_list>

namespace {

QString text(const QVariantMap &map, const QString &key)
{
    return map.value(key).toString();
}

bool containsAny(const QString &haystack, std::initializer_list<const char *> words)
{
    for (const char *word : words) {
        if (haystack.contains(QLatin1String(word)))
            return true;
    }
    return false;
}

int threadScore(int threads)
{
    if (threads >= 16)
        return 100;
    if (threads >= 12)
        return 90;
    if (threads >= 8)
        return 80;
    if (threads >= 6)
        return 72;
    if (threads >= 4)
        return 58;
    if (threads >= 2)
        return 42;
    return 30;
}

int ramSizeScore(double gb)
{
    if (gb >= 64)
        return 100;
    if (gb >= 32)
        return 96;
    if (gb >= 16)
        return 86;
    if (gb >= 8)
        return 66;
    if (gb >= 4)
        return 44;
    return 28;
}

int diskScore(const QVariantMap &disk)
{
    int score = 72;
    switch (diskMediaOfText(text(disk, DiskKey::kMediaType))) {
    case DiskMedia::Ssd:
    case DiskMedia::Scm:
        score = 90;
        break;
    case DiskMedia::Hdd:
        score = 62;
        break;
    case DiskMedia::Unknown:
        break;
    }
    switch (diskHealthOfText(text(disk, DiskKey::kHealth))) {
    case DiskHealth::Good:
        score += 8;
        break;
    case DiskHealth::Warning:
        score -= 18;
        break;
    case DiskHealth::Failed:
        score -= 45;
        break;
    case DiskHealth::Unknown:
        break;
    }
    return clampAndRound(score);
}

int throughputBonus(bool discrete, double throughput)
{
    if (discrete) {
        if (throughput >= 15)
            return 28;
        if (throughput >= 9)
            return 20;
        if (throughput >= 4)
            return 10;
        return 4;
    }
    if (throughput >= 6)
        return 18;
    if (throughput >= 2)
        return 8;
    return 2;
}

int wearScore(double wear)
{
    if (wear <= 8)
        return 100;
    if (wear <= 15)
        return 88;
    if (wear <= 25)
        return 74;
    if (wear <= 40)
        return 52;
    if (wear <= 60)
        return 32;
    return 18;
}

} // namespace

int clampAndRound(double value)
{
    if (std::isnan(value) || value < 0)
        return 0;
    if (value > 100)
        return 100;
    return static_cast<int>(value + 0.5);
}

QVariantMap categoryRow(const QString &name, double score, int weight, const QString &note, bool na)
{
    return {{CategoryKey::kName, name},
            {CategoryKey::kScore, clampAndRound(score)},
            {CategoryKey::kWeight, weight},
            {CategoryKey::kNote, note},
            {CategoryKey::kNa, na}};
}

QVariantMap cpuCategory(const QVariantMap &cpu)
{
    const int threads = cpu.value(CpuKey::kThreads).toInt();
    const int cores = cpu.value(CpuKey::kCores).toInt();
    const QString name = text(cpu, CpuKey::kName);
    const int at = name.indexOf(QLatin1Char('@'));
    const double ghz = at < 0 ? 0 : firstNumber(name.mid(at + 1));

    int score = threadScore(threads);
    if (ghz >= 3.5)
        score += 5;
    else if (ghz > 0 && ghz < 2.0)
        score -= 10;

    QString note = QStringLiteral("%1 lõi · %2 luồng").arg(cores).arg(threads);
    if (ghz > 0)
        note += QStringLiteral(" · %1 GHz").arg(ghz, 0, 'f', 2);
    return categoryRow(QStringLiteral("CPU"), score, 22, note);
}

QVariantMap ramCategory(const QVariantMap &ramSummary)
{
    const QString total = text(ramSummary, RamSummaryKey::kTotal);
    const QString channel = text(ramSummary, RamSummaryKey::kChannel);
    const QString type = text(ramSummary, RamSummaryKey::kType);

    int score = ramSizeScore(sizeToGb(total));
    if (containsAny(channel, {"Quad", "Triple"}))
        score += 8;
    else if (channel.contains(QLatin1String("Dual")))
        score += 4;

    QString note = total;
    if (!channel.isEmpty())
        note += QStringLiteral(" · ") + channel;
    if (!type.isEmpty())
        note += QStringLiteral(" · ") + type;
    return categoryRow(QStringLiteral("RAM"), score, 18, note);
}

QVariantMap storageCategory(const QVariantList &disks)
{
    int best = 0;
    QString note = QStringLiteral("Không phát hiện ổ đĩa");
    for (const QVariant &item : disks) {
        const QVariantMap disk = item.toMap();
        const int score = diskScore(disk);
        // Among equal scores the later disk describes the category.
        if (score < best)
            continue;
        best = score;
        const QString mediaType = text(disk, DiskKey::kMediaType);
        note = (mediaType.isEmpty() ? QStringLiteral("Ổ đĩa") : mediaType) + QLatin1Char(' ') +
               text(disk, DiskKey::kCapacity);
        const QString health = text(disk, DiskKey::kHealth);
        if (!health.isEmpty())
            note += QStringLiteral(" · ") + health;
    }
    if (disks.size() > 1)
        note += QStringLiteral(" · %1 ổ").arg(disks.size());
    return categoryRow(QStringLiteral("Lưu trữ"), best, 18, note);
}

QVariantMap gpuCategory(const QVariantList &gpus, const QVariantMap &gpuResult)
{
    QVariantMap primary = gpus.isEmpty() ? QVariantMap() : gpus.first().toMap();
    bool discrete = false;
    for (const QVariant &item : gpus) {
        const QVariantMap gpu = item.toMap();
        if (isDedicatedGpu(gpu)) {
            discrete = true;
            primary = gpu;
            break;
        }
    }

    const bool tested = gpuResult.value(GpuResultKey::kTested).toBool();
    const double throughput = gpuResult.value(GpuResultKey::kThroughput).toDouble();
    int score = discrete ? 72 : 46;
    if (tested) {
        score += throughputBonus(discrete, throughput);
        if (gpuResult.value(GpuResultKey::kStressTested).toBool()) {
            const int stability = gpuResult.value(GpuResultKey::kStability, -1).toInt();
            if (stability >= 80)
                score += 4;
            else if (discrete && stability >= 0 && stability <= 59)
                score -= 10;
        }
    }

    const QString name = text(primary, GpuKey::kName);
    QString note = name.isEmpty() ? QStringLiteral("Không phát hiện GPU") : name;
    const QString vram = text(primary, GpuKey::kVram);
    if (!vram.isEmpty())
        note += QStringLiteral(" · ") + vram;
    note +=
        tested ? QStringLiteral(" · %1 GI/s").arg(throughput, 0, 'f', 1) : QStringLiteral(" · chưa kiểm tra");
    return categoryRow(discrete ? QStringLiteral("GPU (rời)") : QStringLiteral("GPU (tích hợp)"), score, 22,
                       note);
}

QVariantMap batteryCategory(const QVariantMap &battery)
{
    const QString name = QStringLiteral("Pin");
    if (!battery.value(BatteryKey::kPresent).toBool())
        return categoryRow(name, 0, 10, QStringLiteral("Máy bàn — không có pin"), true);
    if (!battery.contains(BatteryKey::kWearValue))
        return categoryRow(name, 0, 10, QStringLiteral("Có pin — không đọc được độ chai"), true);

    const double wear = battery.value(BatteryKey::kWearValue).toDouble();
    QString note = QStringLiteral("Độ chai %1%").arg(wear, 0, 'f', 1);
    if (battery.contains(BatteryKey::kCycleCount))
        note += QStringLiteral(" · %1 chu kỳ").arg(battery.value(BatteryKey::kCycleCount).toInt());
    return categoryRow(name, wearScore(wear), 10, note);
}

QVariantMap stabilityCategory(const QVariantMap &benchmark, const QVariantMap &gpuResult,
                              double stressMaxLoad)
{
    const QString name = QStringLiteral("Kiểm tra ổn định");
    const bool benchmarkRun = !benchmark.isEmpty();
    const bool gpuStress = gpuResult.value(GpuResultKey::kStressTested).toBool();
    // Truncated, so 94.9 % does not count as a full load.
    const int peak = stressMaxLoad > 0 ? static_cast<int>(std::fmin(stressMaxLoad, 1000.0)) : 0;
    if (!benchmarkRun && !gpuStress && peak <= 0)
        return categoryRow(name, 0, 10, QStringLiteral("Chưa chạy stress/benchmark"), true);

    int score = 60;
    QStringList parts;
    if (peak > 0) {
        score += peak >= 95 ? 20 : 8;
        parts << QStringLiteral("CPU đỉnh %1%").arg(peak);
    }
    if (benchmarkRun) {
        score += 10;
        parts << QStringLiteral("benchmark ✓");
    }
    if (gpuStress) {
        const int stability = gpuResult.value(GpuResultKey::kStability, -1).toInt();
        if (stability >= 80)
            score += 10;
        parts << QStringLiteral("GPU %1%").arg(stability);
    }
    return categoryRow(name, score, 10, parts.join(QStringLiteral(" · ")));
}
