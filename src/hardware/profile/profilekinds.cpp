#include "hardware/profile/profilekinds.h"

#include "hardware/profile/profilerecords.h"

#include <QByteArray>

#include <algorithm>
#include <cmath>

namespace profilejson {

namespace {

bool readWmiValue(Reader &reader, const QJsonValue &value, const QString &where, platform::Value *out)
{
    if (value.isBool()) {
        *out = value.toBool();
    } else if (value.isString()) {
        *out = toStd(value.toString());
    } else if (value.isDouble()) {
        const double number = value.toDouble();
        if (!std::isfinite(number))
            return reader.fail(where, QStringLiteral("expected a finite number"));
        if (std::floor(number) != number || std::fabs(number) >= kExactLimit)
            *out = number;
        else if (number >= std::numeric_limits<std::int32_t>::min() &&
                 number <= std::numeric_limits<std::int32_t>::max())
            *out = static_cast<std::int32_t>(number);
        else if (number >= 0 && number <= std::numeric_limits<std::uint32_t>::max())
            *out = static_cast<std::uint32_t>(number);
        else if (number < 0)
            *out = static_cast<std::int64_t>(number);
        else
            *out = static_cast<std::uint64_t>(number);
    } else if (value.isArray()) {
        platform::IntList list;
        const QJsonArray items = value.toArray();
        for (int i = 0; i < items.size(); ++i) {
            const double number = items.at(i).toDouble(0.5);
            if (!items.at(i).isDouble() || std::floor(number) != number ||
                number < std::numeric_limits<std::int32_t>::min() ||
                number > std::numeric_limits<std::uint32_t>::max())
                return reader.fail(itemWhere(where, i), QStringLiteral("expected a whole number"));
            list.push_back(static_cast<std::int32_t>(static_cast<std::int64_t>(number)));
        }
        *out = list;
    } else if (value.isNull()) {
        *out = std::monostate{};
    } else {
        return reader.fail(where, QStringLiteral("unsupported value"));
    }
    return true;
}

// Null for a value that has nothing to write: it is left out of the row.
QJsonValue writeWmiValue(const platform::Value &value)
{
    struct Visitor {
        QJsonValue operator()(std::monostate) const { return QJsonValue(); }
        QJsonValue operator()(std::int32_t v) const { return v; }
        QJsonValue operator()(std::uint32_t v) const { return static_cast<double>(v); }
        QJsonValue operator()(std::int64_t v) const
        {
            return std::fabs(static_cast<double>(v)) >= kExactLimit ? QJsonValue(QString::number(v))
                                                                    : QJsonValue(static_cast<double>(v));
        }
        QJsonValue operator()(std::uint64_t v) const { return writeUnsigned(v); }
        QJsonValue operator()(double v) const { return std::isfinite(v) ? QJsonValue(v) : QJsonValue(); }
        QJsonValue operator()(bool v) const { return v; }
        QJsonValue operator()(const std::string &v) const { return fromStd(v); }
        QJsonValue operator()(const platform::IntList &v) const
        {
            QJsonArray list;
            for (const auto item : v)
                list.append(item);
            return list;
        }
    };
    return std::visit(Visitor{}, value);
}

} // namespace

bool WmiRow::read(Reader &reader, const QJsonValue &value, const QString &where, Type *out)
{
    if (!value.isObject())
        return reader.fail(where, QStringLiteral("expected an object"));
    const QJsonObject properties = value.toObject();
    for (auto p = properties.begin(); p != properties.end(); ++p) {
        platform::Value v;
        if (!readWmiValue(reader, p.value(), childWhere(where, p.key()), &v))
            return false;
        if (platform::isPresent(v))
            (*out)[toStd(p.key())] = v;
    }
    return true;
}

QJsonValue WmiRow::write(const Type &row)
{
    QJsonObject properties;
    for (const auto &[name, value] : row) {
        const QJsonValue json = writeWmiValue(value);
        if (!json.isNull())
            properties.insert(fromStd(name), json);
    }
    return properties;
}

bool LeafKey::read(Reader &, const QString &name, const QString &, Type *out)
{
    *out = toStd(name.toLower());
    return true;
}

bool Registers::read(Reader &reader, const QJsonValue &value, const QString &where, Type *out)
{
    std::vector<std::uint32_t> regs;
    if (!ListOf<Number<std::uint32_t>>::read(reader, value, where, &regs))
        return false;
    if (regs.size() != 4)
        return reader.fail(where, QStringLiteral("expected four registers"));
    *out = {regs[0], regs[1], regs[2], regs[3]};
    return true;
}

QJsonValue Registers::write(const Type &r)
{
    return ListOf<Number<std::uint32_t>>::write({r.eax, r.ebx, r.ecx, r.edx});
}

bool DriveIndex::read(Reader &reader, const QString &name, const QString &where, Type *out)
{
    bool ok = false;
    const int index = name.toInt(&ok);
    if (!ok || index < 0)
        return reader.fail(where, QStringLiteral("expected a drive index"));
    *out = index;
    return true;
}

bool OpenedDrive::read(Reader &reader, const QJsonValue &value, const QString &where, Type *out)
{
    out->opened = true;
    return Record<Type>::read(reader, value, where, out);
}

QJsonValue OpenedDrive::write(const Type &pages)
{
    return Record<Type>::write(pages);
}

bool Base64Page::read(Reader &reader, const QJsonValue &value, const QString &where, Type *out)
{
    std::string text;
    if (!Text::read(reader, value, where, &text))
        return false;
    const auto decoded = QByteArray::fromBase64Encoding(QByteArray::fromStdString(text),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return reader.fail(where, QStringLiteral("expected base64 text"));
    out->assign(decoded.decoded.begin(), decoded.decoded.end());
    return true;
}

QJsonValue Base64Page::write(const Type &page)
{
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(page.data()), static_cast<int>(page.size())).toBase64());
}

bool TimesTriple::read(Reader &reader, const QJsonValue &value, const QString &where, Type *out)
{
    if (!value.isArray())
        return reader.fail(where, QStringLiteral("expected a list"));
    const QJsonArray triple = value.toArray();
    if (triple.size() != 3)
        return reader.fail(where, QStringLiteral("expected idle, kernel and user times"));
    using Time = Number<std::uint64_t>;
    return Time::read(reader, triple.at(0), where, &out->idle) &&
           Time::read(reader, triple.at(1), where, &out->kernel) &&
           Time::read(reader, triple.at(2), where, &out->user);
}

QJsonValue TimesTriple::write(const Type &t)
{
    return QJsonArray{writeUnsigned(t.idle), writeUnsigned(t.kernel), writeUnsigned(t.user)};
}

bool BluetoothAddress::read(Reader &reader, const QJsonValue &value, const QString &where, Type *out)
{
    std::vector<std::uint8_t> bytes;
    if (!readHex(reader, value, where, &bytes))
        return false;
    if (bytes.size() != out->size())
        return reader.fail(where, QStringLiteral("expected six bytes"));
    std::copy(bytes.begin(), bytes.end(), out->begin());
    return true;
}

bool isUtf8(const std::string &bytes)
{
    const QByteArray raw = QByteArray::fromRawData(bytes.data(), static_cast<int>(bytes.size()));
    return QString::fromUtf8(raw).toUtf8() == raw;
}

} // namespace profilejson
