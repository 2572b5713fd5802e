#include "hardware/platformvalue.h"

#include "platform/text.h"

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

} // namespace

QString seamText(const std::string &bytes)
{
    return unitsText(platform::text::utf16WithoutControlsOrBidi(bytes));
}

QString unitsText(const std::u16string &units)
{
    return QString(reinterpret_cast<const QChar *>(units.data()), static_cast<int>(units.size()));
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
