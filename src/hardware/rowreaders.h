#pragma once

#include <QString>
#include <QVariantMap>

#include <optional>

// Readers of one WMI row; a missing key reads as empty text or 0.
QString rowText(const QVariantMap &row, const char *key);
// Whole numbers outside the range of int, fractions and non-numbers read as 0, never wrapped.
int rowInt(const QVariantMap &row, const char *key);
quint64 rowUInt64(const QVariantMap &row, const char *key);

// The value as an int when it is exactly one (a number, or decimal text), else nothing.
std::optional<int> exactInt(const QVariant &value);

// Stores the text only when it is not empty; returns it unchanged.
QString putText(QVariantMap &map, const QString &key, const QString &text);
