#include "hardware/wmiunsigned.h"

#include "hardware/rowreaders.h"

quint64 rowUnsigned32(const QVariantMap &row, const char *key)
{
    const QVariant value = row.value(QLatin1String(key));
    if (value.type() == QVariant::Int)
        return static_cast<quint32>(value.toInt());
    return rowUInt64(row, key);
}
