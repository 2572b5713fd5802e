#include "hardware/profile/jsonkinds.h"

#include <QByteArray>

#include <cmath>

namespace profilejson {

bool Reader::fail(const QString &where, const QString &what)
{
    if (error.isEmpty())
        error = where + QStringLiteral(": ") + what;
    return false;
}

QString childWhere(const QString &where, const QString &key)
{
    return where.isEmpty() ? key : where + QLatin1Char('.') + key;
}

QString itemWhere(const QString &where, int index)
{
    return where + QStringLiteral("[%1]").arg(index);
}

std::string toStd(const QString &text)
{
    return text.toStdString();
}

QString fromStd(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

bool Text::read(Reader &reader, const QJsonValue &value, const QString &where, Type *out)
{
    if (!value.isString())
        return reader.fail(where, QStringLiteral("expected text"));
    *out = toStd(value.toString());
    return true;
}

bool Boolean::read(Reader &reader, const QJsonValue &value, const QString &where, Type *out)
{
    if (!value.isBool())
        return reader.fail(where, QStringLiteral("expected true or false"));
    *out = value.toBool();
    return true;
}

bool readUnsigned(Reader &reader, const QJsonValue &value, const QString &where, quint64 max, quint64 *out)
{
    const auto refuse = [&] {
        return reader.fail(where, QStringLiteral("expected a whole number up to %1").arg(max));
    };
    if (value.isString()) {
        bool ok = false;
        const quint64 number = value.toString().toULongLong(&ok);
        if (!ok || number > max)
            return refuse();
        *out = number;
        return true;
    }
    const double number = value.toDouble(-1.0);
    if (!value.isDouble() || number < 0 || std::floor(number) != number || number > static_cast<double>(max))
        return refuse();
    *out = static_cast<quint64>(number);
    return true;
}

QJsonValue writeUnsigned(quint64 number)
{
    if (static_cast<double>(number) >= kExactLimit)
        return QString::number(number);
    return static_cast<double>(number);
}

bool readHex(Reader &reader, const QJsonValue &value, const QString &where, std::vector<std::uint8_t> *out)
{
    std::string hex;
    if (!Text::read(reader, value, where, &hex))
        return false;
    const QByteArray raw = QByteArray::fromStdString(hex);
    const QByteArray bytes = QByteArray::fromHex(raw);
    if (raw.size() % 2 != 0 || bytes.toHex().compare(raw.toLower()) != 0)
        return reader.fail(where, QStringLiteral("expected hexadecimal text"));
    out->assign(bytes.begin(), bytes.end());
    return true;
}

QJsonValue writeHex(const void *bytes, std::size_t size)
{
    return QString::fromLatin1(
        QByteArray(static_cast<const char *>(bytes), static_cast<int>(size)).toHex().toUpper());
}

} // namespace profilejson
