#pragma once

#include "report/reportdata.h"

#include <QString>

// The html export is read by browsers; the PDF is laid out by Qt's rich-text engine, which
// stretches a table cell of width 0 % across the whole bar.
enum class HtmlUse { File, Print };

// The whole inspection as one HTML document of tables and inline styles (no style sheet, no
// script), for the html export and the printed PDF.
QString reportHtml(const ReportSummary &summary, const ReportInputs &inputs, HtmlUse use = HtmlUse::File);

// The laptop's board and upgrade section and its originality findings; empty unless the
// machine is a laptop.
QString laptopBlocksHtml(const HardwareSnapshot &hardware);

// The originality verdict box and the findings table; empty without findings.
QString originalityHtml(const QVariantList &findings, const QVariantMap &verdict);
