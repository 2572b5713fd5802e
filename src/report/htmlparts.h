#pragma once

#include "report/reportpalette.h"

#include <QString>
#include <QVector>

// Building blocks of the HTML report: escaping, titled tables of label/value rows, colours.

// "&", "<" and ">" as entities; quotes stay (data never lands inside an attribute).
QString escapeHtml(const QString &text);

struct HtmlRow {
    QString label;
    QString value; // rows with an empty value are left out
};
using HtmlRows = QVector<HtmlRow>;

QString tableOpening();

// A heading and a striped table of the rows that have a value; empty when none has.
QString htmlSection(const QString &title, const HtmlRows &rows);

// The colour of a laptop finding or verdict level (alert, warn, ok, anything else).
QString severityColor(const QString &level);

// The colour of a category score (n/a, then by score).
QString categoryColor(int score, bool na);

// A colour at about 8 % opacity, as a background under text of the same colour.
inline QString tinted(const QString &color)
{
    return color + QStringLiteral("14");
}

// White and light grey for alternating rows, counted from 0.
inline QString stripe(int index)
{
    return index % 2 == 0 ? QStringLiteral(REPORT_WHITE) : QStringLiteral(REPORT_STRIPE);
}
