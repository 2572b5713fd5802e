#include "laptop/laptopidentify.h"

#include "hardware/keys/cpukeys.h"
#include "hardware/keys/rammodulekeys.h"
#include "hardware/keys/ramsummarykeys.h"
#include "hardware/keys/systemkeys.h"
#include "laptop/keys/boardkeys.h"
#include "laptop/laptopcatalogue.h"
#include "laptop/laptopchecks.h"

namespace {

bool cpuAllowed(const LaptopModel &entry, const QString &cpuText)
{
    if (entry.cpuKeys.isEmpty() || cpuText.isEmpty())
        return true;
    for (const QString &key : entry.cpuKeys) {
        if (cpuText.contains(key))
            return true;
    }
    return false;
}

// "DDR3L-1600 / DDR4-2133" stands for both generations; LPDDR4x counts as ddr4.
bool memoryAllowed(const LaptopModel &entry, const QString &generation)
{
    if (generation.isEmpty())
        return true;
    const QString type = entry.ramType.toLower();
    bool namesAny = false;
    for (const char *known : {"ddr5", "ddr4", "ddr3"}) {
        if (type.contains(QLatin1String(known))) {
            if (generation == QLatin1String(known))
                return true;
            namesAny = true;
        }
    }
    return !namesAny;
}

int matchScore(const LaptopModel &entry, const QString &haystack)
{
    int score = 0;
    for (const QString &key : entry.matchKeys) {
        if (haystack.contains(key))
            score += key.size();
    }
    return score;
}

LaptopMatch matchOf(const LaptopModel &entry)
{
    LaptopMatch match;
    match.found = true;
    match.brand = entry.brand;
    match.series = entry.series;
    match.formFactor = entry.formFactor;
    match.cpuPlatform = entry.cpuPlatform;
    match.cpuSoldered = entry.cpuSoldered;
    match.cpuOptions = entry.cpuOptions;
    match.maxRam = entry.maxRam;
    match.ramSlots = entry.ramSlots;
    match.ramType = entry.ramType;
    match.boardId = entry.boardId;
    match.swapGroup = entry.swapGroup;
    match.upgradeNote = entry.upgradeNote;
    return match;
}

} // namespace

LaptopMatch identifyLaptop(const QVector<LaptopModel> &catalogue, const QString &manufacturer,
                           const QString &model, const QString &family, const QString &cpuName,
                           const QString &memoryGeneration)
{
    const QString haystack = (manufacturer + QLatin1Char(' ') + model + QLatin1Char(' ') + family).toLower();
    const QString cpuText = cpuName.trimmed().toLower();

    int best = -1;
    int bestScore = 0;
    for (int i = 0; i < catalogue.size(); ++i) {
        if (!cpuAllowed(catalogue[i], cpuText) || !memoryAllowed(catalogue[i], memoryGeneration))
            continue;
        const int score = matchScore(catalogue[i], haystack);
        if (score > bestScore) {
            best = i;
            bestScore = score;
        }
    }
    if (best < 0)
        return {};

    const LaptopModel &chosen = catalogue[best];
    LaptopMatch match = matchOf(chosen);
    for (int i = 0; i < catalogue.size(); ++i) {
        const LaptopModel &other = catalogue[i];
        if (i != best && other.swapGroup == chosen.swapGroup) {
            match.interchangeable
                << QStringLiteral("%1 — %2 (%3)").arg(other.boardId, other.cpuPlatform, other.series);
        }
    }
    return match;
}

QString installedMemoryGeneration(const QVariantMap &ramSummary, const QVariantList &ramModules)
{
    QString generation = ddrGeneration(ramSummary.value(RamSummaryKey::kType).toString());
    for (int i = 0; generation.isEmpty() && i < ramModules.size(); ++i)
        generation = ddrGeneration(ramModules[i].toMap().value(RamModuleKey::kType).toString());
    return generation;
}

LaptopMatch identifyMachine(const QVariantMap &system, const QVariantMap &cpu, const QVariantMap &ramSummary,
                            const QVariantList &ramModules)
{
    return identifyLaptop(laptopCatalogue(), system.value(SystemKey::kManufacturer).toString(),
                          system.value(SystemKey::kModel).toString(),
                          system.value(SystemKey::kFamily).toString(), cpu.value(CpuKey::kName).toString(),
                          installedMemoryGeneration(ramSummary, ramModules));
}

QVariantMap boardMap(const LaptopMatch &match)
{
    return {
        {BoardKey::kFound, match.found},
        {BoardKey::kBrand, match.brand},
        {BoardKey::kSeries, match.series},
        {BoardKey::kFormFactor, match.formFactor},
        {BoardKey::kCpuPlatform, match.cpuPlatform},
        {BoardKey::kCpuSoldered, match.cpuSoldered},
        {BoardKey::kCpuUpgradable, !match.cpuSoldered},
        {BoardKey::kCpuOptions, match.cpuOptions},
        {BoardKey::kMaxRam, match.maxRam},
        {BoardKey::kRamSlots, match.ramSlots},
        {BoardKey::kRamType, match.ramType},
        {BoardKey::kBoardId, match.boardId},
        {BoardKey::kSwapGroup, match.swapGroup},
        {BoardKey::kUpgradeNote, match.upgradeNote},
        {BoardKey::kInterchangeable, match.interchangeable},
    };
}
