#include "laptop/laptopevaluation.h"

#include "laptop/laptopchecks.h"
#include "laptop/laptopidentify.h"
#include "laptop/laptopverdict.h"

QVariantMap evaluateLaptop(const QVariantMap &system, const QVariantMap &cpu, const QVariantMap &ramSummary,
                           const QVariantList &ramModules, const QVariantList &disks)
{
    QVariantMap result;
    const bool isLaptop = system.value(QStringLiteral("deviceType")).toString() == QLatin1String("Laptop");
    result.insert(QStringLiteral("isLaptop"), isLaptop);
    if (!isLaptop) {
        result.insert(QStringLiteral("board"), boardMap(LaptopMatch()));
        result.insert(QStringLiteral("findings"), QVariantList());
        result.insert(QStringLiteral("verdict"), QVariantMap());
        return result;
    }

    const LaptopMatch match = identifyMachine(system, cpu, ramSummary, ramModules);
    result.insert(QStringLiteral("board"), boardMap(match));

    QVariantList findings = processorFindings(match, cpu.value(QStringLiteral("name")).toString());
    findings << boardFindings(match, system);
    findings << memoryFindings(ramSummary, ramModules);
    findings << storageFindings(disks);
    result.insert(QStringLiteral("findings"), findings);
    result.insert(QStringLiteral("verdict"), laptopVerdict(findings, match.found));
    return result;
}
