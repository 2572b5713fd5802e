#include "laptop/laptopevaluation.h"

#include "hardware/keys/cpukeys.h"
#include "hardware/keys/systemkeys.h"
#include "laptop/keys/evaluationkeys.h"
#include "laptop/laptopchecks.h"
#include "laptop/laptopidentify.h"
#include "laptop/laptopverdict.h"

QVariantMap evaluateLaptop(const QVariantMap &system, const QVariantMap &cpu, const QVariantMap &ramSummary,
                           const QVariantList &ramModules, const QVariantList &disks)
{
    QVariantMap result;
    const bool isLaptop = system.value(SystemKey::kDeviceType).toString() == QLatin1String("Laptop");
    result.insert(EvaluationKey::kIsLaptop, isLaptop);
    if (!isLaptop) {
        result.insert(EvaluationKey::kBoard, boardMap(LaptopMatch()));
        result.insert(EvaluationKey::kFindings, QVariantList());
        result.insert(EvaluationKey::kVerdict, QVariantMap());
        return result;
    }

    const LaptopMatch match = identifyMachine(system, cpu, ramSummary, ramModules);
    result.insert(EvaluationKey::kBoard, boardMap(match));

    QVariantList findings = processorFindings(match, cpu.value(CpuKey::kName).toString());
    findings << boardFindings(match, system);
    findings << memoryFindings(ramSummary, ramModules);
    findings << storageFindings(disks);
    result.insert(EvaluationKey::kFindings, findings);
    result.insert(EvaluationKey::kVerdict, laptopVerdict(findings, match.found));
    return result;
}
