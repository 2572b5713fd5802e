#include "report/healthscore.h"

#include "report/categoryrules.h"

Grade gradeFor(int overall)
{
    if (overall >= 85)
        return {QStringLiteral("Xuất sắc"), QStringLiteral("#16A34A")};
    if (overall >= 70)
        return {QStringLiteral("Tốt"), QStringLiteral("#3B82F6")};
    if (overall >= 55)
        return {QStringLiteral("Khá"), QStringLiteral("#F59E0B")};
    if (overall >= 40)
        return {QStringLiteral("Trung bình"), QStringLiteral("#F97316")};
    return {QStringLiteral("Yếu"), QStringLiteral("#DC2626")};
}

int overallScore(const QVariantList &categories)
{
    double scoreSum = 0;
    double weightSum = 0;
    for (const QVariant &item : categories) {
        const QVariantMap row = item.toMap();
        if (row.value(QStringLiteral("na")).toBool())
            continue;
        const double weight = row.value(QStringLiteral("weight")).toInt();
        scoreSum += row.value(QStringLiteral("score")).toInt() * weight;
        weightSum += weight;
    }
    return weightSum > 0 ? clampAndRound(scoreSum / weightSum) : 0;
}

ReportSummary computeScore(const ReportInputs &inputs)
{
    const HardwareSnapshot &hw = inputs.hardware;
    ReportSummary summary;
    summary.categories = {cpuCategory(hw.cpu),
                          ramCategory(hw.ramSummary),
                          storageCategory(hw.disks),
                          gpuCategory(hw.gpus, inputs.gpuResult),
                          batteryCategory(hw.battery),
                          stabilityCategory(inputs.benchmark, inputs.gpuResult, inputs.stressMaxLoad)};
    summary.overall = overallScore(summary.categories);
    const Grade grade = gradeFor(summary.overall);
    summary.grade = grade.word;
    summary.gradeColor = grade.color;
    return summary;
}
