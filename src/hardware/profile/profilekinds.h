#pragma once

// The encodings only a profile has: WMI rows, CPUID leaves, drive pages, processor times, a
// Bluetooth address and an SSID. Each kind holds both directions (see jsonkinds.h).

#include "hardware/profile/jsonkinds.h"
#include "platform/source.h"

#include <array>

namespace profilejson {

// Property values as WMI delivers them; a null or empty one is a missing property.
struct WmiRow : Structured<platform::Row> {
    static bool read(Reader &reader, const QJsonValue &value, const QString &where, Type *out);
    static QJsonValue write(const Type &row);
};
// namespace -> class -> rows
using WmiNamespaces = MapOf<TextKey, MapOf<TextKey, ListOf<WmiRow>>>;

// "80000000", "7.0": kept in lower case, as cpuidKey() spells them.
struct LeafKey {
    using Type = std::string;
    static bool read(Reader &reader, const QString &name, const QString &where, Type *out);
    static QString write(const Type &key) { return fromStd(key); }
};
// [EAX, EBX, ECX, EDX]
struct Registers : Structured<platform::CpuidRegisters> {
    static bool read(Reader &reader, const QJsonValue &value, const QString &where, Type *out);
    static QJsonValue write(const Type &registers);
};
using CpuidLeaves = MapOf<LeafKey, Registers>;

struct DriveIndex {
    using Type = int;
    static bool read(Reader &reader, const QString &name, const QString &where, Type *out);
    static QString write(Type index) { return QString::number(index); }
};
// A listed drive is one that opened, whichever pages it answered.
struct OpenedDrive : Structured<platform::DrivePages> {
    static bool read(Reader &reader, const QJsonValue &value, const QString &where, Type *out);
    static QJsonValue write(const Type &pages);
};
using Drives = MapOf<DriveIndex, OpenedDrive>;

// A raw page as base64 text.
struct Base64Page : Structured<platform::Page> {
    static bool read(Reader &reader, const QJsonValue &value, const QString &where, Type *out);
    static QJsonValue write(const Type &page);
};

// [idle, kernel, user]
struct TimesTriple : Structured<platform::ProcessorTimes> {
    static bool read(Reader &reader, const QJsonValue &value, const QString &where, Type *out);
    static QJsonValue write(const Type &times);
};

// Six bytes as twelve hexadecimal digits.
struct BluetoothAddress : Structured<std::array<std::uint8_t, 6>> {
    static bool read(Reader &reader, const QJsonValue &value, const QString &where, Type *out);
    static QJsonValue write(const Type &address) { return writeHex(address.data(), address.size()); }
};

// An SSID is raw bytes: written as text when they are valid UTF-8 (only valid UTF-8 survives the
// round trip through text), else as hexadecimal under a key of its own.
bool isUtf8(const std::string &bytes);
struct SsidText : Text {
    static bool written(const Type &ssid) { return isUtf8(ssid); }
};
struct SsidHex : HexOf<std::string> {
    static bool written(const Type &ssid) { return !isUtf8(ssid); }
};

// Profiles from other tools write an unknown channel as null: it stays unknown, never channel 0.
struct Channel : OptionalOf<Number<std::uint32_t>> {
    static bool read(Reader &reader, const QJsonValue &value, const QString &where, Type *out)
    {
        if (value.isNull()) {
            out->reset();
            return true;
        }
        return OptionalOf::read(reader, value, where, out);
    }
};

} // namespace profilejson
