#pragma once

#include <QStringList>
#include <QVariantMap>

// "key=value" pairs in key order, for comparing whole maps in one line.
inline QString mapText(const QVariant &map)
{
    QStringList pairs;
    const QVariantMap m = map.toMap();
    for (auto it = m.begin(); it != m.end(); ++it)
        pairs << it.key() + QLatin1Char('=') + it.value().toString();
    return pairs.join(QStringLiteral("; "));
}
