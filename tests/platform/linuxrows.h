#pragma once

#include "platform/source.h"

#include <QString>

#include <memory>

// Reading what the Linux backend and the steps answered, in tests.
namespace linuxrows {

inline platform::Rows query(platform::Source &source, const char *nameSpace, const char *wql)
{
    const std::unique_ptr<platform::WmiService> service = source.openWmi(nameSpace);
    return service ? service->query(wql) : platform::Rows();
}

inline bool has(const platform::Row &row, const char *key)
{
    return row.count(key) != 0;
}

inline QString text(const platform::Row &row, const char *key)
{
    const auto found = row.find(key);
    if (found == row.end())
        return QStringLiteral("<absent>");
    if (const auto *s = std::get_if<std::string>(&found->second))
        return QString::fromStdString(*s);
    // Character codes up to the first 0.
    if (const auto *codes = std::get_if<platform::IntList>(&found->second)) {
        QString decoded;
        for (const auto code : *codes) {
            if (code == 0)
                break;
            decoded.append(QChar(static_cast<ushort>(code)));
        }
        return decoded;
    }
    return QStringLiteral("<not text>");
}

inline long long number(const platform::Row &row, const char *key)
{
    const auto found = row.find(key);
    if (found == row.end())
        return -999;
    return std::visit(
        [](const auto &v) -> long long {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::int32_t> || std::is_same_v<T, std::uint32_t> ||
                          std::is_same_v<T, std::int64_t> || std::is_same_v<T, std::uint64_t> ||
                          std::is_same_v<T, bool>)
                return static_cast<long long>(v);
            else
                return -998;
        },
        found->second);
}

} // namespace linuxrows
