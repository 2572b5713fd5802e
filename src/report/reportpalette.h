#pragma once

// Every colour of the HTML report. Plain literals, so that markup built around them stays one
// string at compile time: QStringLiteral("<b style='color:" REPORT_INK "'>").

// Text and lines
#define REPORT_INK "#111827"     // body text, values
#define REPORT_HEADING "#1f2937" // headings, table header rows
#define REPORT_BODY "#374151"    // secondary lines, lists
#define REPORT_MUTED "#6b7280"   // labels, notes
#define REPORT_FAINT "#9ca3af"   // weights, footer, n/a scores
#define REPORT_RULE "#e5e7eb"    // rules, empty bar cells
#define REPORT_STRIPE "#f3f4f6"  // every other table row
#define REPORT_WHITE "#ffffff"
#define REPORT_WHITE_SHORT "#fff" // the storage table's header row

// Levels of findings and verdicts
#define REPORT_OK "#16a34a"
#define REPORT_WARN "#d97706"
#define REPORT_BAD "#dc2626"
#define REPORT_INFO "#2563eb"

// The score scale, written in capitals as the pages and the JSON export carry it
#define REPORT_SCORE_EXCELLENT "#16A34A"
#define REPORT_SCORE_GOOD "#3B82F6"
#define REPORT_SCORE_FAIR "#F59E0B"
#define REPORT_SCORE_MEDIOCRE "#F97316"
#define REPORT_SCORE_WEAK "#DC2626"
