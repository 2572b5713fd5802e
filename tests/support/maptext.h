#pragma once

#include <QStringList>
#include <QVariantMap>

// "key=value" pairs in key order, for comparing whole maps in one line; lists read "[a, b]" and
// maps inside them "{key=value}".
inline QString mapText(const QVariant &map)
{
    const auto valueText = [](const QVariant &value, const auto &self) -> QString {
        if (value.type() == QVariant::Map)
            return QLatin1Char('{') + mapText(value) + QLatin1Char('}');
        if (value.canConvert<QVariantList>() && value.type() != QVariant::String) {
            QStringList items;
            for (const QVariant &item : value.toList())
                items << self(item, self);
            return QLatin1Char('[') + items.join(QStringLiteral(", ")) + QLatin1Char(']');
        }
        return value.toString();
    };
    QStringList pairs;
    const QVariantMap m = map.toMap();
    for (auto it = m.begin(); it != m.end(); ++it)
        pairs << it.key() + QLatin1Char('=') + valueText(it.value(), valueText);
    return pairs.join(QStringLiteral("; "));
}

// "name: map" for a map, "name[i]: map" for each map of a list, one per line.
inline QString linesText(const QString &name, const QVariant &value)
{
    if (value.type() == QVariant::Map)
        return name + QStringLiteral(": ") + mapText(value) + QLatin1Char('\n');
    QString text;
    const QVariantList items = value.toList();
    for (int i = 0; i < items.size(); ++i)
        text += QStringLiteral("%1[%2]: %3\n").arg(name).arg(i).arg(mapText(items[i]));
    return text;
}
