#include "report/healthscore.h"

#include "report/categoryrules.h"
#include "report/keys/categorykeys.h"
#include "report/reportpalette.h"

Grade gradeFor(int overall)
{
    if (overall >= 85)
        return {QStringLiteral("Xuất sắc"), QStringLiteral(REPORT_SCORE_EXCELLENT)};
    if (overall >= 70)
        return {QStringLiteral("Tốt"), QStringLiteral(REPORT_SCORE_GOOD)};
    if (overall >= 55)
        return {QStringLiteral("Khá"), QStringLiteral(REPORT_SCORE_FAIR)};
    if (overall >= 40)
        return {QStringLiteral("Trung bình"), QStringLiteral(REPORT_SCORE_MEDIOCRE)};
    return {QStringLiteral("Yếu"), QStringLiteral(REPORT_SCORE_WEAK)};
}

int overallScore(const QVariantList &categories)
{
    double scoreSum = 0;
    double weightSum = 0;
    for (const QVariant &item : categories) {
        const QVariantMap row = item.toMap();
        if (row.value(CategoryKey::kNa).toBool())
            continue;
        const double weight = row.value(CategoryKey::kWeight).toInt();
        scoreSum += row.value(CategoryKey::kScore).toInt() * weight;
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
