#pragma once

#include <QString>
#include <QtGlobal>

// 1 when a is newer than b, -1 when older, 0 when the same release. A leading "v" and anything
// from the first "-" on are ignored; parts compare as numbers, a part that is not one counts as 0.
int compareVersions(const QString &a, const QString &b);

// "12.3 MB" from one MiB on, "512 KB" below it, empty for nothing.
QString transferSizeText(qint64 bytes);

// The share of a download received, 0 to 1; 0 while the total is unknown.
double downloadFraction(qint64 received, qint64 total);
