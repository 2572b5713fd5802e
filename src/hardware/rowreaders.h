#pragma once

#include <QString>
#include <QVariantMap>

// Readers of one WMI row; a missing key reads as empty text or 0.
QString rowText(const QVariantMap &row, const char *key);
int rowInt(const QVariantMap &row, const char *key);
quint64 rowUInt64(const QVariantMap &row, const char *key);

// Stores the text only when it is not empty; returns it unchanged.
QString putText(QVariantMap &map, const QString &key, const QString &text);
