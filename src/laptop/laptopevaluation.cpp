#include "laptop/laptopevaluation.h"

#include "laptop/laptopcatalogue.h"
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

    const QString cpuName = cpu.value(QStringLiteral("name")).toString();
    const LaptopMatch match =
        identifyLaptop(laptopCatalogue(), system.value(QStringLiteral("manufacturer")).toString(),
                       system.value(QStringLiteral("model")).toString(),
                       system.value(QStringLiteral("family")).toString(), cpuName);
    result.insert(QStringLiteral("board"), boardMap(match));

    QVariantList findings = processorFindings(match, cpuName);
    findings << boardFindings(match, system);
    findings << memoryFindings(match, ramSummary, ramModules);
    findings << storageFindings(disks);
    result.insert(QStringLiteral("findings"), findings);
    result.insert(QStringLiteral("verdict"), laptopVerdict(findings));
    return result;
}
