#pragma once

// How the values of a profile travel as JSON, in both directions at once. A kind reads one value,
// checking its type (the first fault wins and names where it was found), and writes it back; a
// record is a table of fields (key, member, kind) that reading and writing both walk.
//
// Every kind has:
//   using Type;                                  the C++ value it stands for
//   static constexpr bool nullIsAbsent;          a null member reads as if it were missing
//   static bool read(Reader &, const QJsonValue &, const QString &where, Type *);
//   static QJsonValue write(const Type &);
//   static bool written(const Type &);           whether a record member is written at all

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

namespace profilejson {

// Keeps the first fault met while reading.
class Reader {
public:
    QString error;

    bool fail(const QString &where, const QString &what);
};

// "where.key", or "key" at the top.
QString childWhere(const QString &where, const QString &key);
QString itemWhere(const QString &where, int index); // "where[3]"

std::string toStd(const QString &text);
QString fromStd(const std::string &text);

// What most kinds share. A null plain value (number, text, true/false) reads as missing; a null
// where a structure belongs is refused.
template <typename T, bool NullIsAbsent> struct KindBase {
    using Type = T;
    static constexpr bool nullIsAbsent = NullIsAbsent;
    static bool written(const T &) { return true; }
};
template <typename T> using Plain = KindBase<T, true>;
template <typename T> using Structured = KindBase<T, false>;

struct Text : Plain<std::string> {
    static bool read(Reader &reader, const QJsonValue &value, const QString &where, Type *out);
    static QJsonValue write(const Type &text) { return fromStd(text); }
};

struct Boolean : Plain<bool> {
    static bool read(Reader &reader, const QJsonValue &value, const QString &where, Type *out);
    static QJsonValue write(Type value) { return value; }
};

constexpr double kExactLimit = 9007199254740992.0; // 2^53

// Integers from 2^53 on are not exact as JSON numbers: they may come, and are written, as decimal text.
bool readUnsigned(Reader &reader, const QJsonValue &value, const QString &where, quint64 max, quint64 *out);
QJsonValue writeUnsigned(quint64 number);

// A whole number in [0, largest T].
template <typename T> struct Number : Plain<T> {
    static bool read(Reader &reader, const QJsonValue &value, const QString &where, T *out)
    {
        quint64 number = 0;
        if (!readUnsigned(reader, value, where, std::numeric_limits<T>::max(), &number))
            return false;
        *out = static_cast<T>(number);
        return true;
    }
    static QJsonValue write(T number) { return writeUnsigned(number); }
};

// Bytes as hexadecimal text, two digits a byte, written in capitals.
bool readHex(Reader &reader, const QJsonValue &value, const QString &where, std::vector<std::uint8_t> *out);
QJsonValue writeHex(const void *bytes, std::size_t size);

template <typename Bytes> struct HexOf : Structured<Bytes> {
    using Type = Bytes;
    static bool read(Reader &reader, const QJsonValue &value, const QString &where, Type *out)
    {
        std::vector<std::uint8_t> bytes;
        if (!readHex(reader, value, where, &bytes))
            return false;
        out->assign(bytes.begin(), bytes.end());
        return true;
    }
    static QJsonValue write(const Type &bytes) { return writeHex(bytes.data(), bytes.size()); }
};
using HexBytes = HexOf<std::vector<std::uint8_t>>;

// A null list of plain values reads as missing; a list of records must be a list.
template <typename Item> struct ListOf : KindBase<std::vector<typename Item::Type>, Item::nullIsAbsent> {
    using Type = std::vector<typename Item::Type>;
    static bool read(Reader &reader, const QJsonValue &value, const QString &where, Type *out)
    {
        if (!value.isArray())
            return reader.fail(where, QStringLiteral("expected a list"));
        const QJsonArray items = value.toArray();
        out->clear();
        for (int i = 0; i < items.size(); ++i) {
            typename Item::Type item{};
            if (!Item::read(reader, items.at(i), itemWhere(where, i), &item))
                return false;
            out->push_back(std::move(item));
        }
        return true;
    }
    static QJsonValue write(const Type &items)
    {
        QJsonArray list;
        for (const auto &item : items)
            list.append(Item::write(item));
        return list;
    }
};

// Present means there: a null is read, and refused, like any other value of the wrong type.
template <typename Inner> struct OptionalOf : Structured<std::optional<typename Inner::Type>> {
    using Type = std::optional<typename Inner::Type>;
    static bool read(Reader &reader, const QJsonValue &value, const QString &where, Type *out)
    {
        typename Inner::Type inner{};
        if (!Inner::read(reader, value, where, &inner))
            return false;
        *out = std::move(inner);
        return true;
    }
    static QJsonValue write(const Type &value) { return Inner::write(*value); }
    static bool written(const Type &value) { return value.has_value(); }
};

// Object members whose names are data (namespaces, drive indexes); Key turns a name into a key.
template <typename Key, typename Value>
struct MapOf : Structured<std::map<typename Key::Type, typename Value::Type>> {
    using Type = std::map<typename Key::Type, typename Value::Type>;
    static bool read(Reader &reader, const QJsonValue &value, const QString &where, Type *out)
    {
        if (!value.isObject())
            return reader.fail(where, QStringLiteral("expected an object"));
        const QJsonObject members = value.toObject();
        for (auto it = members.begin(); it != members.end(); ++it) {
            const QString at = childWhere(where, it.key());
            typename Key::Type key{};
            typename Value::Type item{};
            if (!Key::read(reader, it.key(), at, &key) || !Value::read(reader, it.value(), at, &item))
                return false;
            (*out)[key] = std::move(item);
        }
        return true;
    }
    static QJsonValue write(const Type &map)
    {
        QJsonObject members;
        for (const auto &[key, item] : map)
            members.insert(Key::write(key), Value::write(item));
        return members;
    }
};

struct TextKey {
    using Type = std::string;
    static bool read(Reader &, const QString &name, const QString &, Type *out)
    {
        *out = toStd(name);
        return true;
    }
    static QString write(const Type &key) { return fromStd(key); }
};

// The table of a record's fields; every record has its own (profilerecords.h).
template <typename R> struct Fields;

// Section: a top-level section, which may be null and is left out when empty.
template <typename R, typename M, typename K, bool Section = false> struct Field {
    static_assert(std::is_same_v<M, typename K::Type>, "the kind does not fit the member");
    const char *key;
    M R::*member;

    bool read(Reader &reader, const QJsonObject &object, const QString &where, R *record) const
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined() || (value.isNull() && (Section || K::nullIsAbsent)))
            return true;
        return K::read(reader, value, childWhere(where, QLatin1String(key)), &(record->*member));
    }

    void write(const R &record, QJsonObject *object) const
    {
        const M &value = record.*member;
        if (isWritten(value))
            object->insert(QLatin1String(key), K::write(value));
    }

private:
    static bool isWritten(const M &value)
    {
        if constexpr (Section)
            return !isEmpty(value);
        else
            return K::written(value);
    }
    template <typename T> static bool isEmpty(const std::optional<T> &value) { return !value; }
    template <typename C> static bool isEmpty(const C &container) { return container.empty(); }
};

template <typename R> struct Record : Structured<R> {
    static bool read(Reader &reader, const QJsonValue &value, const QString &where, R *out)
    {
        if (!value.isObject())
            return reader.fail(where, QStringLiteral("expected an object"));
        return readFields(reader, value.toObject(), where, out);
    }
    static bool readFields(Reader &reader, const QJsonObject &object, const QString &where, R *out)
    {
        return std::apply(
            [&](const auto &...entry) { return (entry.read(reader, object, where, out) && ...); },
            Fields<R>::all);
    }
    static QJsonValue write(const R &record) { return writeFields(record); }
    static QJsonObject writeFields(const R &record)
    {
        QJsonObject object;
        std::apply([&](const auto &...entry) { (entry.write(record, &object), ...); }, Fields<R>::all);
        return object;
    }
};

// The kind a member's type has unless its field names another; anything not listed is a record.
template <typename T> struct KindOf {
    using type = Record<T>;
};
template <typename T> using Kind = typename KindOf<T>::type;
template <> struct KindOf<std::string> {
    using type = Text;
};
template <> struct KindOf<bool> {
    using type = Boolean;
};
template <> struct KindOf<std::uint8_t> {
    using type = Number<std::uint8_t>;
};
template <> struct KindOf<std::uint32_t> {
    using type = Number<std::uint32_t>;
};
template <> struct KindOf<std::uint64_t> {
    using type = Number<std::uint64_t>;
};
template <typename T> struct KindOf<std::vector<T>> {
    using type = ListOf<Kind<T>>;
};
template <typename T> struct KindOf<std::optional<T>> {
    using type = OptionalOf<Kind<T>>;
};

template <typename R, typename M> constexpr auto field(const char *key, M R::*member)
{
    return Field<R, M, Kind<M>>{key, member};
}
template <typename K, typename R, typename M> constexpr auto fieldAs(const char *key, M R::*member)
{
    return Field<R, M, K>{key, member};
}
template <typename R, typename M> constexpr auto section(const char *key, M R::*member)
{
    return Field<R, M, Kind<M>, true>{key, member};
}
template <typename K, typename R, typename M> constexpr auto sectionAs(const char *key, M R::*member)
{
    return Field<R, M, K, true>{key, member};
}

} // namespace profilejson
