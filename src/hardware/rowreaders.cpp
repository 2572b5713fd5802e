#include "hardware/rowreaders.h"

QString rowText(const QVariantMap &row, const char *key)
{
    return row.value(QLatin1String(key)).toString().trimmed();
}

int rowInt(const QVariantMap &row, const char *key)
{
    const QVariant value = row.value(QLatin1String(key));
    if (value.type() == QVariant::String)
        return value.toString().trimmed().toInt();
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : 0;
}

quint64 rowUInt64(const QVariantMap &row, const char *key)
{
    const QVariant value = row.value(QLatin1String(key));
    if (value.type() == QVariant::String)
        return value.toString().trimmed().toULongLong();
    bool ok = false;
    const quint64 number = value.toULongLong(&ok);
    return ok ? number : 0;
}

QString putText(QVariantMap &map, const QString &key, const QString &text)
{
    if (!text.isEmpty())
        map.insert(key, text);
    return text;
}
