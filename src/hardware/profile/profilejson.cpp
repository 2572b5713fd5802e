#include "hardware/profile/profilejson.h"

#include "hardware/profile/regularfile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cmath>
#include <limits>

namespace {

constexpr int kFormatVersion = 1;
// Far above any recorded machine; a bigger file is not a profile.
constexpr qint64 kMaxProfileBytes = 32 * 1024 * 1024;
// Integers beyond this are not exact as JSON numbers; they travel as text.
constexpr double kExactLimit = 9007199254740992.0; // 2^53

std::string toStd(const QString &text)
{
    return text.toStdString();
}

QString fromStd(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

// Invalid sequences decode to replacement characters, so only valid UTF-8 survives the round trip.
bool isUtf8(const std::string &bytes)
{
    const QByteArray raw = QByteArray::fromRawData(bytes.data(), static_cast<int>(bytes.size()));
    return QString::fromUtf8(raw).toUtf8() == raw;
}

// Checks types while it reads; the first fault wins and names where it was found.
class Reader {
public:
    QString error;

    bool fail(const QString &where, const QString &what)
    {
        if (error.isEmpty())
            error = where + QStringLiteral(": ") + what;
        return false;
    }

    bool object(const QJsonValue &value, const QString &where, QJsonObject *out)
    {
        if (!value.isObject())
            return fail(where, QStringLiteral("expected an object"));
        *out = value.toObject();
        return true;
    }

    bool array(const QJsonValue &value, const QString &where, QJsonArray *out)
    {
        if (!value.isArray())
            return fail(where, QStringLiteral("expected a list"));
        *out = value.toArray();
        return true;
    }

    bool text(const QJsonValue &value, const QString &where, std::string *out)
    {
        if (!value.isString())
            return fail(where, QStringLiteral("expected text"));
        *out = toStd(value.toString());
        return true;
    }

    bool boolean(const QJsonValue &value, const QString &where, bool *out)
    {
        if (!value.isBool())
            return fail(where, QStringLiteral("expected true or false"));
        *out = value.toBool();
        return true;
    }

    // A whole number in [0, max]; large ones may also come as decimal text.
    bool unsignedNumber(const QJsonValue &value, const QString &where, quint64 max, quint64 *out)
    {
        if (value.isString()) {
            bool ok = false;
            const quint64 number = value.toString().toULongLong(&ok);
            if (!ok || number > max)
                return fail(where, QStringLiteral("expected a whole number up to %1").arg(max));
            *out = number;
            return true;
        }
        const double number = value.toDouble(-1.0);
        if (!value.isDouble() || number < 0 || std::floor(number) != number ||
            number > static_cast<double>(max))
            return fail(where, QStringLiteral("expected a whole number up to %1").arg(max));
        *out = static_cast<quint64>(number);
        return true;
    }

    template <typename T> bool field(const QJsonObject &object, const char *key, const QString &where, T *out)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined() || value.isNull())
            return true;
        return read(value, where + QLatin1Char('.') + QLatin1String(key), out);
    }

    bool read(const QJsonValue &value, const QString &where, std::string *out)
    {
        return text(value, where, out);
    }
    bool read(const QJsonValue &value, const QString &where, bool *out) { return boolean(value, where, out); }
    bool read(const QJsonValue &value, const QString &where, std::uint8_t *out)
    {
        return narrow(value, where, out);
    }
    bool read(const QJsonValue &value, const QString &where, std::uint32_t *out)
    {
        return narrow(value, where, out);
    }
    bool read(const QJsonValue &value, const QString &where, std::uint64_t *out)
    {
        quint64 number = 0;
        if (!unsignedNumber(value, where, std::numeric_limits<quint64>::max(), &number))
            return false;
        *out = number;
        return true;
    }

    template <typename T> bool narrow(const QJsonValue &value, const QString &where, T *out)
    {
        quint64 number = 0;
        if (!unsignedNumber(value, where, std::numeric_limits<T>::max(), &number))
            return false;
        *out = static_cast<T>(number);
        return true;
    }

    bool read(const QJsonValue &value, const QString &where, std::vector<std::string> *out)
    {
        QJsonArray list;
        if (!array(value, where, &list))
            return false;
        out->clear();
        for (int i = 0; i < list.size(); ++i) {
            std::string item;
            if (!text(list.at(i), where + QStringLiteral("[%1]").arg(i), &item))
                return false;
            out->push_back(item);
        }
        return true;
    }

    bool read(const QJsonValue &value, const QString &where, std::vector<std::uint32_t> *out)
    {
        QJsonArray list;
        if (!array(value, where, &list))
            return false;
        out->clear();
        for (int i = 0; i < list.size(); ++i) {
            std::uint32_t item = 0;
            if (!narrow(list.at(i), where + QStringLiteral("[%1]").arg(i), &item))
                return false;
            out->push_back(item);
        }
        return true;
    }

    bool hexBytes(const QJsonValue &value, const QString &where, std::vector<std::uint8_t> *out)
    {
        std::string hex;
        if (!text(value, where, &hex))
            return false;
        const QByteArray raw = QByteArray::fromStdString(hex);
        const QByteArray bytes = QByteArray::fromHex(raw);
        if (raw.size() % 2 != 0 || bytes.toHex().compare(raw.toLower()) != 0)
            return fail(where, QStringLiteral("expected hexadecimal text"));
        out->assign(bytes.begin(), bytes.end());
        return true;
    }

    bool page(const QJsonValue &value, const QString &where, std::optional<platform::Page> *out)
    {
        std::string text64;
        if (!text(value, where, &text64))
            return false;
        const auto decoded = QByteArray::fromBase64Encoding(QByteArray::fromStdString(text64),
                                                            QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            return fail(where, QStringLiteral("expected base64 text"));
        *out = platform::Page(decoded.decoded.begin(), decoded.decoded.end());
        return true;
    }

    bool wmiValue(const QJsonValue &value, const QString &where, platform::Value *out)
    {
        if (value.isBool()) {
            *out = value.toBool();
        } else if (value.isString()) {
            *out = toStd(value.toString());
        } else if (value.isDouble()) {
            const double number = value.toDouble();
            if (!std::isfinite(number))
                return fail(where, QStringLiteral("expected a finite number"));
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
                    return fail(where + QStringLiteral("[%1]").arg(i),
                                QStringLiteral("expected a whole number"));
                list.push_back(static_cast<std::int32_t>(static_cast<std::int64_t>(number)));
            }
            *out = list;
        } else if (value.isNull()) {
            *out = std::monostate{};
        } else {
            return fail(where, QStringLiteral("unsupported value"));
        }
        return true;
    }

    bool wmi(const QJsonValue &value, ProfileData *data)
    {
        QJsonObject namespaces;
        if (!object(value, QStringLiteral("wmi"), &namespaces))
            return false;
        for (auto ns = namespaces.begin(); ns != namespaces.end(); ++ns) {
            const QString nsWhere = QStringLiteral("wmi.") + ns.key();
            QJsonObject classes;
            if (!object(ns.value(), nsWhere, &classes))
                return false;
            auto &classMap = data->wmi[toStd(ns.key())];
            for (auto cls = classes.begin(); cls != classes.end(); ++cls) {
                const QString clsWhere = nsWhere + QLatin1Char('.') + cls.key();
                QJsonArray rows;
                if (!array(cls.value(), clsWhere, &rows))
                    return false;
                platform::Rows &out = classMap[toStd(cls.key())];
                for (int i = 0; i < rows.size(); ++i) {
                    const QString rowWhere = clsWhere + QStringLiteral("[%1]").arg(i);
                    QJsonObject properties;
                    if (!object(rows.at(i), rowWhere, &properties))
                        return false;
                    platform::Row row;
                    for (auto p = properties.begin(); p != properties.end(); ++p) {
                        platform::Value v;
                        if (!wmiValue(p.value(), rowWhere + QLatin1Char('.') + p.key(), &v))
                            return false;
                        if (platform::isPresent(v))
                            row[toStd(p.key())] = v;
                    }
                    out.push_back(row);
                }
            }
        }
        return true;
    }

    bool powerStatus(const QJsonValue &value, ProfileData *data)
    {
        const QString where = QStringLiteral("powerStatus");
        QJsonObject o;
        if (!object(value, where, &o))
            return false;
        platform::PowerStatus status;
        if (!field(o, "acLineStatus", where, &status.acLineStatus) ||
            !field(o, "batteryFlag", where, &status.batteryFlag) ||
            !field(o, "batteryLifeTime", where, &status.batteryLifeTime))
            return false;
        data->powerStatus = status;
        return true;
    }

    bool cpuid(const QJsonValue &value, ProfileData *data)
    {
        QJsonObject leaves;
        if (!object(value, QStringLiteral("cpuid"), &leaves))
            return false;
        for (auto it = leaves.begin(); it != leaves.end(); ++it) {
            const QString where = QStringLiteral("cpuid.") + it.key();
            std::vector<std::uint32_t> regs;
            if (!read(it.value(), where, &regs))
                return false;
            if (regs.size() != 4)
                return fail(where, QStringLiteral("expected four registers"));
            data->cpuid[toStd(it.key().toLower())] = {regs[0], regs[1], regs[2], regs[3]};
        }
        return true;
    }

    template <typename T, typename ReadOne>
    bool list(const QJsonValue &value, const QString &where, std::vector<T> *out, ReadOne readOne)
    {
        QJsonArray items;
        if (!array(value, where, &items))
            return false;
        for (int i = 0; i < items.size(); ++i) {
            const QString itemWhere = where + QStringLiteral("[%1]").arg(i);
            QJsonObject o;
            T item{};
            if (!object(items.at(i), itemWhere, &o) || !readOne(o, itemWhere, &item))
                return false;
            out->push_back(item);
        }
        return true;
    }

    bool displayMode(const QJsonObject &o, const QString &where, platform::DisplayMode *mode)
    {
        return field(o, "width", where, &mode->width) && field(o, "height", where, &mode->height) &&
               field(o, "frequency", where, &mode->frequency) &&
               field(o, "bitsPerPixel", where, &mode->bitsPerPixel);
    }

    bool displayDevice(const QJsonObject &o, const QString &where, platform::DisplayDevice *device)
    {
        if (!field(o, "deviceName", where, &device->deviceName) ||
            !field(o, "description", where, &device->description) ||
            !field(o, "stateFlags", where, &device->stateFlags))
            return false;
        if (o.contains(QLatin1String("current"))) {
            QJsonObject current;
            platform::DisplayMode mode;
            if (!object(o.value(QLatin1String("current")), where + QStringLiteral(".current"), &current) ||
                !displayMode(current, where + QStringLiteral(".current"), &mode))
                return false;
            device->current = mode;
        }
        if (o.contains(QLatin1String("modes")))
            return list(o.value(QLatin1String("modes")), where + QStringLiteral(".modes"), &device->modes,
                        [this](const QJsonObject &m, const QString &w, platform::DisplayMode *mode) {
                            return displayMode(m, w, mode);
                        });
        return true;
    }

    bool networkAdapter(const QJsonObject &o, const QString &where, platform::NetworkAdapter *a)
    {
        if (!field(o, "ifType", where, &a->ifType) || !field(o, "friendlyName", where, &a->friendlyName) ||
            !field(o, "description", where, &a->description) ||
            !field(o, "adapterName", where, &a->adapterName) ||
            !field(o, "operStatus", where, &a->operStatus) ||
            !field(o, "transmitLinkSpeed", where, &a->transmitLinkSpeed) ||
            !field(o, "receiveLinkSpeed", where, &a->receiveLinkSpeed) ||
            !field(o, "unicast", where, &a->unicast) || !field(o, "gateways", where, &a->gateways) ||
            !field(o, "dnsServers", where, &a->dnsServers))
            return false;
        if (o.contains(QLatin1String("physicalAddress")))
            return hexBytes(o.value(QLatin1String("physicalAddress")),
                            where + QStringLiteral(".physicalAddress"), &a->physicalAddress);
        return true;
    }

    bool wlanInterface(const QJsonObject &o, const QString &where, platform::WlanInterface *w)
    {
        if (!field(o, "guid", where, &w->guid) || !field(o, "phyTypes", where, &w->phyTypes) ||
            !field(o, "state", where, &w->state))
            return false;
        if (o.contains(QLatin1String("channel"))) {
            std::uint32_t channel = 0;
            if (!field(o, "channel", where, &channel))
                return false;
            w->channel = channel;
        }
        if (!o.contains(QLatin1String("connection")))
            return true;
        const QString cw = where + QStringLiteral(".connection");
        QJsonObject c;
        platform::WlanConnection connection;
        if (!object(o.value(QLatin1String("connection")), cw, &c) ||
            !field(c, "ssid", cw, &connection.ssid) ||
            !field(c, "signalQuality", cw, &connection.signalQuality) ||
            !field(c, "phyType", cw, &connection.phyType) || !field(c, "rxRate", cw, &connection.rxRate) ||
            !field(c, "txRate", cw, &connection.txRate) ||
            !field(c, "authAlgorithm", cw, &connection.authAlgorithm))
            return false;
        if (c.contains(QLatin1String("ssidHex"))) {
            std::vector<std::uint8_t> raw;
            if (!hexBytes(c.value(QLatin1String("ssidHex")), cw + QStringLiteral(".ssidHex"), &raw))
                return false;
            connection.ssid.assign(raw.begin(), raw.end());
        }
        w->connection = connection;
        return true;
    }

    bool bluetooth(const QJsonValue &value, ProfileData *data)
    {
        const QString where = QStringLiteral("bluetooth");
        QJsonObject o;
        if (!object(value, where, &o))
            return false;
        platform::Bluetooth bt;
        if (o.contains(QLatin1String("radio"))) {
            const QString rw = where + QStringLiteral(".radio");
            QJsonObject r;
            platform::BluetoothRadioInfo radio;
            std::vector<std::uint8_t> address;
            if (!object(o.value(QLatin1String("radio")), rw, &r) || !field(r, "name", rw, &radio.name))
                return false;
            if (r.contains(QLatin1String("address"))) {
                if (!hexBytes(r.value(QLatin1String("address")), rw + QStringLiteral(".address"), &address))
                    return false;
                if (address.size() != 6)
                    return fail(rw + QStringLiteral(".address"), QStringLiteral("expected six bytes"));
                std::copy(address.begin(), address.end(), radio.address.begin());
            }
            bt.radio = radio;
        }
        if (o.contains(QLatin1String("devices")) &&
            !list(o.value(QLatin1String("devices")), where + QStringLiteral(".devices"), &bt.devices,
                  [this](const QJsonObject &d, const QString &w, platform::BluetoothDevice *device) {
                      return field(d, "name", w, &device->name) &&
                             field(d, "connected", w, &device->connected);
                  }))
            return false;
        data->bluetooth = bt;
        return true;
    }

    bool drives(const QJsonValue &value, ProfileData *data)
    {
        QJsonObject drives;
        if (!object(value, QStringLiteral("drives"), &drives))
            return false;
        for (auto it = drives.begin(); it != drives.end(); ++it) {
            const QString where = QStringLiteral("drives.") + it.key();
            bool ok = false;
            const int index = it.key().toInt(&ok);
            if (!ok || index < 0)
                return fail(where, QStringLiteral("expected a drive index"));
            QJsonObject o;
            if (!object(it.value(), where, &o))
                return false;
            platform::DrivePages pages;
            pages.opened = true;
            const std::pair<const char *, std::optional<platform::Page> *> pageFields[] = {
                {"nvmeHealthLog", &pages.nvmeHealthLog},
                {"identify", &pages.identify},
                {"smartData", &pages.smartData}};
            for (const auto &[key, slot] : pageFields) {
                if (o.contains(QLatin1String(key)) &&
                    !page(o.value(QLatin1String(key)), where + QLatin1Char('.') + QLatin1String(key), slot))
                    return false;
            }
            data->drives[index] = pages;
        }
        return true;
    }

    bool processorTimes(const QJsonValue &value, ProfileData *data)
    {
        const QString where = QStringLiteral("processorTimes");
        QJsonArray items;
        if (!array(value, where, &items))
            return false;
        std::vector<platform::ProcessorTimes> times;
        for (int i = 0; i < items.size(); ++i) {
            const QString w = where + QStringLiteral("[%1]").arg(i);
            QJsonArray triple;
            if (!array(items.at(i), w, &triple))
                return false;
            if (triple.size() != 3)
                return fail(w, QStringLiteral("expected idle, kernel and user times"));
            platform::ProcessorTimes t;
            if (!read(triple.at(0), w, &t.idle) || !read(triple.at(1), w, &t.kernel) ||
                !read(triple.at(2), w, &t.user))
                return false;
            times.push_back(t);
        }
        data->processorTimes = times;
        return true;
    }

    bool memoryStatus(const QJsonValue &value, ProfileData *data)
    {
        const QString where = QStringLiteral("memoryStatus");
        QJsonObject o;
        platform::MemoryStatus status;
        if (!object(value, where, &o) || !field(o, "totalPhys", where, &status.totalPhys) ||
            !field(o, "availPhys", where, &status.availPhys))
            return false;
        data->memoryStatus = status;
        return true;
    }

    bool optionalNumber(const QJsonObject &root, const char *key, std::optional<std::uint32_t> *out)
    {
        if (!root.contains(QLatin1String(key)))
            return true;
        std::uint32_t number = 0;
        if (!read(root.value(QLatin1String(key)), QLatin1String(key), &number))
            return false;
        *out = number;
        return true;
    }

    bool profile(const QJsonObject &root, ProfileData *data)
    {
        quint64 version = 0;
        if (!root.contains(QLatin1String("kelvaroProfile")))
            return fail(QStringLiteral("kelvaroProfile"), QStringLiteral("missing: not a Kelvaro profile"));
        if (!unsignedNumber(root.value(QLatin1String("kelvaroProfile")), QStringLiteral("kelvaroProfile"),
                            1000, &version))
            return false;
        if (version < 1 || version > kFormatVersion)
            return fail(QStringLiteral("kelvaroProfile"),
                        QStringLiteral("version %1 is not supported").arg(version));

        auto has = [&root](const char *key) {
            const QJsonValue v = root.value(QLatin1String(key));
            return !v.isUndefined() && !v.isNull();
        };
        auto value = [&root](const char *key) { return root.value(QLatin1String(key)); };
        if (has("wmi") && !wmi(value("wmi"), data))
            return false;
        if (has("powerStatus") && !powerStatus(value("powerStatus"), data))
            return false;
        if (!optionalNumber(root, "firmwareType", &data->firmwareType) ||
            !optionalNumber(root, "secureBoot", &data->secureBoot))
            return false;
        if (has("cpuid") && !cpuid(value("cpuid"), data))
            return false;
        if (has("graphicsAdapters") &&
            !list(value("graphicsAdapters"), QStringLiteral("graphicsAdapters"), &data->graphicsAdapters,
                  [this](const QJsonObject &o, const QString &w, platform::GraphicsAdapter *a) {
                      return field(o, "description", w, &a->description) &&
                             field(o, "dedicatedVideoMemory", w, &a->dedicatedVideoMemory) &&
                             field(o, "flags", w, &a->flags);
                  }))
            return false;
        if (has("displayDevices") &&
            !list(value("displayDevices"), QStringLiteral("displayDevices"), &data->displayDevices,
                  [this](const QJsonObject &o, const QString &w, platform::DisplayDevice *d) {
                      return displayDevice(o, w, d);
                  }))
            return false;
        if (has("networkAdapters") &&
            !list(value("networkAdapters"), QStringLiteral("networkAdapters"), &data->networkAdapters,
                  [this](const QJsonObject &o, const QString &w, platform::NetworkAdapter *a) {
                      return networkAdapter(o, w, a);
                  }))
            return false;
        if (has("wlanInterfaces") &&
            !list(value("wlanInterfaces"), QStringLiteral("wlanInterfaces"), &data->wlanInterfaces,
                  [this](const QJsonObject &o, const QString &w, platform::WlanInterface *i) {
                      return wlanInterface(o, w, i);
                  }))
            return false;
        if (has("bluetooth") && !bluetooth(value("bluetooth"), data))
            return false;
        if (has("drives") && !drives(value("drives"), data))
            return false;
        if (has("processorTimes") && !processorTimes(value("processorTimes"), data))
            return false;
        if (has("memoryStatus") && !memoryStatus(value("memoryStatus"), data))
            return false;
        return true;
    }
};

QJsonValue numberValue(std::uint64_t number)
{
    if (static_cast<double>(number) >= kExactLimit)
        return QString::number(number);
    return static_cast<double>(number);
}

QJsonValue wmiValueToJson(const platform::Value &value)
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
        QJsonValue operator()(std::uint64_t v) const { return numberValue(v); }
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

QString hex(const std::vector<std::uint8_t> &bytes)
{
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(bytes.data()), static_cast<int>(bytes.size()))
            .toHex()
            .toUpper());
}

QJsonArray textList(const std::vector<std::string> &items)
{
    QJsonArray list;
    for (const auto &item : items)
        list.append(fromStd(item));
    return list;
}

QJsonObject modeToJson(const platform::DisplayMode &mode)
{
    return QJsonObject{{QStringLiteral("width"), static_cast<double>(mode.width)},
                       {QStringLiteral("height"), static_cast<double>(mode.height)},
                       {QStringLiteral("frequency"), static_cast<double>(mode.frequency)},
                       {QStringLiteral("bitsPerPixel"), static_cast<double>(mode.bitsPerPixel)}};
}

QString base64(const platform::Page &page)
{
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(page.data()), static_cast<int>(page.size())).toBase64());
}

} // namespace

ProfileParse parseProfile(const QByteArray &json, const QString &origin)
{
    ProfileParse result;
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        result.error = QStringLiteral("%1: not valid JSON (%2 at byte %3)")
                           .arg(origin, parseError.errorString())
                           .arg(parseError.offset);
        return result;
    }
    if (!document.isObject()) {
        result.error = origin + QStringLiteral(": not a Kelvaro profile (expected a JSON object)");
        return result;
    }
    Reader reader;
    ProfileData data;
    if (!reader.profile(document.object(), &data)) {
        result.error = origin + QStringLiteral(": ") + reader.error;
        return result;
    }
    result.data = std::move(data);
    return result;
}

ProfileParse readProfile(const QString &path)
{
    ProfileParse result;
    QString error;
    const std::optional<QByteArray> bytes = readRegularFile(path, kMaxProfileBytes, &error);
    if (!bytes) {
        result.error = QStringLiteral("%1: cannot read profile (%2)").arg(path, error);
        return result;
    }
    return parseProfile(*bytes, path);
}

QByteArray profileToJson(const ProfileData &data)
{
    QJsonObject root;
    root.insert(QStringLiteral("kelvaroProfile"), kFormatVersion);

    if (!data.wmi.empty()) {
        QJsonObject namespaces;
        for (const auto &[ns, classes] : data.wmi) {
            QJsonObject classObject;
            for (const auto &[cls, rows] : classes) {
                QJsonArray rowList;
                for (const auto &row : rows) {
                    QJsonObject properties;
                    for (const auto &[name, value] : row) {
                        const QJsonValue json = wmiValueToJson(value);
                        if (!json.isNull())
                            properties.insert(fromStd(name), json);
                    }
                    rowList.append(properties);
                }
                classObject.insert(fromStd(cls), rowList);
            }
            namespaces.insert(fromStd(ns), classObject);
        }
        root.insert(QStringLiteral("wmi"), namespaces);
    }
    if (data.powerStatus) {
        root.insert(QStringLiteral("powerStatus"),
                    QJsonObject{{QStringLiteral("acLineStatus"), data.powerStatus->acLineStatus},
                                {QStringLiteral("batteryFlag"), data.powerStatus->batteryFlag},
                                {QStringLiteral("batteryLifeTime"),
                                 static_cast<double>(data.powerStatus->batteryLifeTime)}});
    }
    if (data.firmwareType)
        root.insert(QStringLiteral("firmwareType"), static_cast<double>(*data.firmwareType));
    if (data.secureBoot)
        root.insert(QStringLiteral("secureBoot"), static_cast<double>(*data.secureBoot));
    if (!data.cpuid.empty()) {
        QJsonObject leaves;
        for (const auto &[key, r] : data.cpuid)
            leaves.insert(fromStd(key), QJsonArray{static_cast<double>(r.eax), static_cast<double>(r.ebx),
                                                   static_cast<double>(r.ecx), static_cast<double>(r.edx)});
        root.insert(QStringLiteral("cpuid"), leaves);
    }
    if (!data.graphicsAdapters.empty()) {
        QJsonArray list;
        for (const auto &a : data.graphicsAdapters)
            list.append(
                QJsonObject{{QStringLiteral("description"), fromStd(a.description)},
                            {QStringLiteral("dedicatedVideoMemory"), numberValue(a.dedicatedVideoMemory)},
                            {QStringLiteral("flags"), static_cast<double>(a.flags)}});
        root.insert(QStringLiteral("graphicsAdapters"), list);
    }
    if (!data.displayDevices.empty()) {
        QJsonArray list;
        for (const auto &d : data.displayDevices) {
            QJsonObject o{{QStringLiteral("deviceName"), fromStd(d.deviceName)},
                          {QStringLiteral("description"), fromStd(d.description)},
                          {QStringLiteral("stateFlags"), static_cast<double>(d.stateFlags)}};
            if (d.current)
                o.insert(QStringLiteral("current"), modeToJson(*d.current));
            QJsonArray modes;
            for (const auto &m : d.modes)
                modes.append(modeToJson(m));
            o.insert(QStringLiteral("modes"), modes);
            list.append(o);
        }
        root.insert(QStringLiteral("displayDevices"), list);
    }
    if (!data.networkAdapters.empty()) {
        QJsonArray list;
        for (const auto &a : data.networkAdapters)
            list.append(QJsonObject{{QStringLiteral("ifType"), static_cast<double>(a.ifType)},
                                    {QStringLiteral("friendlyName"), fromStd(a.friendlyName)},
                                    {QStringLiteral("description"), fromStd(a.description)},
                                    {QStringLiteral("adapterName"), fromStd(a.adapterName)},
                                    {QStringLiteral("physicalAddress"), hex(a.physicalAddress)},
                                    {QStringLiteral("operStatus"), static_cast<double>(a.operStatus)},
                                    {QStringLiteral("transmitLinkSpeed"), numberValue(a.transmitLinkSpeed)},
                                    {QStringLiteral("receiveLinkSpeed"), numberValue(a.receiveLinkSpeed)},
                                    {QStringLiteral("unicast"), textList(a.unicast)},
                                    {QStringLiteral("gateways"), textList(a.gateways)},
                                    {QStringLiteral("dnsServers"), textList(a.dnsServers)}});
        root.insert(QStringLiteral("networkAdapters"), list);
    }
    if (!data.wlanInterfaces.empty()) {
        QJsonArray list;
        for (const auto &w : data.wlanInterfaces) {
            QJsonArray phys;
            for (const auto p : w.phyTypes)
                phys.append(static_cast<double>(p));
            QJsonObject o{{QStringLiteral("guid"), fromStd(w.guid)},
                          {QStringLiteral("phyTypes"), phys},
                          {QStringLiteral("state"), static_cast<double>(w.state)}};
            if (w.channel)
                o.insert(QStringLiteral("channel"), static_cast<double>(*w.channel));
            if (w.connection) {
                const auto &c = *w.connection;
                QJsonObject co{{QStringLiteral("signalQuality"), static_cast<double>(c.signalQuality)},
                               {QStringLiteral("phyType"), static_cast<double>(c.phyType)},
                               {QStringLiteral("rxRate"), static_cast<double>(c.rxRate)},
                               {QStringLiteral("txRate"), static_cast<double>(c.txRate)},
                               {QStringLiteral("authAlgorithm"), static_cast<double>(c.authAlgorithm)}};
                if (isUtf8(c.ssid))
                    co.insert(QStringLiteral("ssid"), fromStd(c.ssid));
                else
                    co.insert(QStringLiteral("ssidHex"),
                              hex(std::vector<std::uint8_t>(c.ssid.begin(), c.ssid.end())));
                o.insert(QStringLiteral("connection"), co);
            }
            list.append(o);
        }
        root.insert(QStringLiteral("wlanInterfaces"), list);
    }
    if (data.bluetooth) {
        QJsonObject bt;
        if (data.bluetooth->radio) {
            const auto &r = *data.bluetooth->radio;
            bt.insert(QStringLiteral("radio"),
                      QJsonObject{{QStringLiteral("name"), fromStd(r.name)},
                                  {QStringLiteral("address"),
                                   hex(std::vector<std::uint8_t>(r.address.begin(), r.address.end()))}});
        }
        QJsonArray devices;
        for (const auto &d : data.bluetooth->devices)
            devices.append(QJsonObject{{QStringLiteral("name"), fromStd(d.name)},
                                       {QStringLiteral("connected"), d.connected}});
        bt.insert(QStringLiteral("devices"), devices);
        root.insert(QStringLiteral("bluetooth"), bt);
    }
    if (!data.drives.empty()) {
        QJsonObject drives;
        for (const auto &[index, pages] : data.drives) {
            QJsonObject o;
            if (pages.nvmeHealthLog)
                o.insert(QStringLiteral("nvmeHealthLog"), base64(*pages.nvmeHealthLog));
            if (pages.identify)
                o.insert(QStringLiteral("identify"), base64(*pages.identify));
            if (pages.smartData)
                o.insert(QStringLiteral("smartData"), base64(*pages.smartData));
            drives.insert(QString::number(index), o);
        }
        root.insert(QStringLiteral("drives"), drives);
    }
    if (data.processorTimes) {
        QJsonArray list;
        for (const auto &t : *data.processorTimes)
            list.append(QJsonArray{numberValue(t.idle), numberValue(t.kernel), numberValue(t.user)});
        root.insert(QStringLiteral("processorTimes"), list);
    }
    if (data.memoryStatus) {
        root.insert(QStringLiteral("memoryStatus"),
                    QJsonObject{{QStringLiteral("totalPhys"), numberValue(data.memoryStatus->totalPhys)},
                                {QStringLiteral("availPhys"), numberValue(data.memoryStatus->availPhys)}});
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool writeProfile(const QString &path, const ProfileData &data, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("%1: cannot write profile (%2)").arg(path, file.errorString());
        return false;
    }
    const QByteArray json = profileToJson(data);
    if (file.write(json) != json.size() || !file.commit()) {
        *error = QStringLiteral("%1: cannot write profile (%2)").arg(path, file.errorString());
        return false;
    }
    return true;
}
