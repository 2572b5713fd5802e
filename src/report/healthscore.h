#pragma once

#include "report/reportdata.h"

#include <QString>

struct Grade {
    QString word;
    QString color;
};

Grade gradeFor(int overall);

// The weighted average of the rows that are not n/a; 0 when every row is n/a.
int overallScore(const QVariantList &categories);

// The six rows, the overall score and its grade; generatedAt is left to the caller.
ReportSummary computeScore(const ReportInputs &inputs);
