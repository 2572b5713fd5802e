#pragma once

#include "report/reportdata.h"

#include <QByteArray>
#include <QString>

// The score, the category rows, the snapshot and the test results as indented UTF-8 JSON.
QByteArray reportJson(const ReportSummary &summary, const ReportInputs &inputs);

// The score summary and one line per category as comma-separated text ("\n" line ends, no
// byte-order mark).
QString reportCsv(const ReportSummary &summary);
