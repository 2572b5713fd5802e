#include "hardware/wmiconnection.h"

#include "hardware/platformvalue.h"

bool WmiConnection::open(const QString &nameSpace)
{
    m_service = m_source.openWmi(nameSpace.toStdString());
    return isValid();
}

QList<QVariantMap> WmiConnection::query(const QString &wql) const
{
    if (!m_service)
        return {};
    return toVariantMaps(m_service->query(wql.toStdString()));
}

QVariantMap WmiConnection::queryFirst(const QString &wql) const
{
    const QList<QVariantMap> rows = query(wql);
    return rows.isEmpty() ? QVariantMap() : rows.first();
}
