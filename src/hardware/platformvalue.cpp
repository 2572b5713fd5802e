#include "hardware/platformvalue.h"

#include <QString>

namespace {

struct Converter {
    QVariant operator()(std::monostate) const { return {}; }
    QVariant operator()(std::int32_t v) const { return QVariant(static_cast<int>(v)); }
    QVariant operator()(std::uint32_t v) const { return QVariant(static_cast<uint>(v)); }
    QVariant operator()(std::int64_t v) const { return QVariant(static_cast<qlonglong>(v)); }
    QVariant operator()(std::uint64_t v) const { return QVariant(static_cast<qulonglong>(v)); }
    QVariant operator()(double v) const { return QVariant(v); }
    QVariant operator()(bool v) const { return QVariant(v); }
    QVariant operator()(const std::string &v) const { return seamText(v); }
    QVariant operator()(const platform::IntList &v) const
    {
        QVariantList list;
        list.reserve(static_cast<int>(v.size()));
        for (const auto item : v)
            list.append(static_cast<int>(item));
        return list;
    }
};

bool isUnsafe(char16_t u)
{
    const bool control = u < 0x20 || (u >= 0x7F && u < 0xA0);
    const bool direction = (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
    return control || direction;
}

} // namespace

QString seamText(const std::string &bytes)
{
    return seamText(QString::fromUtf8(bytes.data(), static_cast<int>(bytes.size())));
}

QString seamText(const QString &text)
{
    QString clean;
    clean.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            clean.append(c);
            clean.append(text.at(++i));
        } else if (!c.isSurrogate() && !isUnsafe(c.unicode())) {
            clean.append(c);
        }
    }
    return clean;
}

QVariant toQVariant(const platform::Value &value)
{
    return std::visit(Converter{}, value);
}

QVariantMap toVariantMap(const platform::Row &row)
{
    QVariantMap map;
    for (const auto &[name, value] : row) {
        if (platform::isPresent(value))
            map.insert(QString::fromStdString(name), toQVariant(value));
    }
    return map;
}

QList<QVariantMap> toVariantMaps(const platform::Rows &rows)
{
    QList<QVariantMap> maps;
    maps.reserve(static_cast<int>(rows.size()));
    for (const auto &row : rows)
        maps.append(toVariantMap(row));
    return maps;
}
