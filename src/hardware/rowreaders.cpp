#include "hardware/rowreaders.h"

#include <cmath>
#include <limits>

QString rowText(const QVariantMap &row, const char *key)
{
    return row.value(QLatin1String(key)).toString().trimmed();
}

int rowInt(const QVariantMap &row, const char *key)
{
    return exactInt(row.value(QLatin1String(key))).value_or(0);
}

std::optional<int> exactInt(const QVariant &value)
{
    constexpr qlonglong kMin = std::numeric_limits<int>::min();
    constexpr qlonglong kMax = std::numeric_limits<int>::max();
    bool ok = false;
    switch (static_cast<int>(value.type())) {
    case QMetaType::QString: {
        const int number = value.toString().trimmed().toInt(&ok);
        return ok ? std::optional<int>(number) : std::nullopt;
    }
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return value.toInt();
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qulonglong number = value.toULongLong();
        return number <= static_cast<qulonglong>(kMax) ? std::optional<int>(static_cast<int>(number))
                                                       : std::nullopt;
    }
    case QMetaType::Long:
    case QMetaType::LongLong: {
        const qlonglong number = value.toLongLong();
        return number >= kMin && number <= kMax ? std::optional<int>(static_cast<int>(number)) : std::nullopt;
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        if (!std::isfinite(number) || std::floor(number) != number || number < kMin || number > kMax)
            return std::nullopt;
        return static_cast<int>(number);
    }
    default:
        return std::nullopt;
    }
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
