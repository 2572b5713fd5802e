#include "platform/linux/bluez.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace platform::linuxbackend {

namespace {

struct ConnectionCloser {
    void operator()(DBusConnection *connection) const
    {
        dbus_connection_close(connection);
        dbus_connection_unref(connection);
    }
};
struct MessageUnref {
    void operator()(DBusMessage *message) const { dbus_message_unref(message); }
};
using Connection = std::unique_ptr<DBusConnection, ConnectionCloser>;
using Message = std::unique_ptr<DBusMessage, MessageUnref>;

bool readString(DBusMessageIter *variant, std::string *out)
{
    const int type = dbus_message_iter_get_arg_type(variant);
    if (type != DBUS_TYPE_STRING && type != DBUS_TYPE_OBJECT_PATH)
        return false;
    const char *text = nullptr;
    dbus_message_iter_get_basic(variant, &text);
    *out = text ? text : "";
    return true;
}

bool readBool(DBusMessageIter *variant, bool *out)
{
    if (dbus_message_iter_get_arg_type(variant) != DBUS_TYPE_BOOLEAN)
        return false;
    dbus_bool_t value = FALSE;
    dbus_message_iter_get_basic(variant, &value);
    *out = value != FALSE;
    return true;
}

// Calls onProperty(name, variant iterator) for each entry of an a{sv}.
template <typename OnProperty> void forEachProperty(DBusMessageIter *dict, OnProperty onProperty)
{
    if (dbus_message_iter_get_arg_type(dict) != DBUS_TYPE_ARRAY)
        return;
    DBusMessageIter entries;
    dbus_message_iter_recurse(dict, &entries);
    while (dbus_message_iter_get_arg_type(&entries) == DBUS_TYPE_DICT_ENTRY) {
        DBusMessageIter entry, variant;
        dbus_message_iter_recurse(&entries, &entry);
        if (dbus_message_iter_get_arg_type(&entry) == DBUS_TYPE_STRING) {
            const char *name = nullptr;
            dbus_message_iter_get_basic(&entry, &name);
            if (dbus_message_iter_next(&entry) &&
                dbus_message_iter_get_arg_type(&entry) == DBUS_TYPE_VARIANT) {
                dbus_message_iter_recurse(&entry, &variant);
                onProperty(std::string(name ? name : ""), &variant);
            }
        }
        dbus_message_iter_next(&entries);
    }
}

void readAdapter(const std::string &path, DBusMessageIter *properties, BluezObjects &objects)
{
    BluezAdapter adapter;
    adapter.path = path;
    std::string name;
    forEachProperty(properties, [&](const std::string &key, DBusMessageIter *value) {
        if (key == "Address")
            readString(value, &adapter.address);
        else if (key == "Alias")
            readString(value, &adapter.name);
        else if (key == "Name")
            readString(value, &name);
    });
    if (adapter.name.empty())
        adapter.name = name;
    objects.adapters.push_back(std::move(adapter));
}

void readDevice(const std::string &path, DBusMessageIter *properties, BluezObjects &objects)
{
    BluezDevice device;
    device.path = path;
    std::string name;
    forEachProperty(properties, [&](const std::string &key, DBusMessageIter *value) {
        if (key == "Adapter")
            readString(value, &device.adapterPath);
        else if (key == "Alias")
            readString(value, &device.name);
        else if (key == "Name")
            readString(value, &name);
        else if (key == "Paired")
            readBool(value, &device.paired);
        else if (key == "Bonded")
            readBool(value, &device.bonded);
        else if (key == "Trusted")
            readBool(value, &device.trusted);
        else if (key == "Connected")
            readBool(value, &device.connected);
    });
    if (device.name.empty())
        device.name = name;
    objects.devices.push_back(std::move(device));
}

} // namespace

std::optional<BluezObjects> parseManagedObjects(DBusMessage *reply)
{
    if (!reply || dbus_message_get_type(reply) != DBUS_MESSAGE_TYPE_METHOD_RETURN ||
        std::strcmp(dbus_message_get_signature(reply), "a{oa{sa{sv}}}") != 0)
        return std::nullopt;
    BluezObjects objects;
    DBusMessageIter top, pathEntries;
    dbus_message_iter_init(reply, &top);
    dbus_message_iter_recurse(&top, &pathEntries);
    while (dbus_message_iter_get_arg_type(&pathEntries) == DBUS_TYPE_DICT_ENTRY) {
        DBusMessageIter pathEntry, interfaces;
        dbus_message_iter_recurse(&pathEntries, &pathEntry);
        std::string path;
        readString(&pathEntry, &path);
        dbus_message_iter_next(&pathEntry);
        dbus_message_iter_recurse(&pathEntry, &interfaces);
        while (dbus_message_iter_get_arg_type(&interfaces) == DBUS_TYPE_DICT_ENTRY) {
            DBusMessageIter interfaceEntry;
            dbus_message_iter_recurse(&interfaces, &interfaceEntry);
            std::string interface;
            readString(&interfaceEntry, &interface);
            dbus_message_iter_next(&interfaceEntry);
            if (interface == "org.bluez.Adapter1")
                readAdapter(path, &interfaceEntry, objects);
            else if (interface == "org.bluez.Device1")
                readDevice(path, &interfaceEntry, objects);
            dbus_message_iter_next(&interfaces);
        }
        dbus_message_iter_next(&pathEntries);
    }
    std::sort(objects.devices.begin(), objects.devices.end(),
              [](const BluezDevice &a, const BluezDevice &b) { return a.path < b.path; });
    return objects;
}

std::optional<std::array<std::uint8_t, 6>> parseBluetoothAddress(const std::string &text)
{
    std::array<std::uint8_t, 6> address{};
    if (text.size() != 17)
        return std::nullopt;
    for (std::size_t i = 0; i < address.size(); ++i) {
        const std::string pair = text.substr(i * 3, 2);
        if (!std::isxdigit(static_cast<unsigned char>(pair[0])) ||
            !std::isxdigit(static_cast<unsigned char>(pair[1])) || (i < 5 && text[i * 3 + 2] != ':'))
            return std::nullopt;
        address[i] = static_cast<std::uint8_t>(std::strtoul(pair.c_str(), nullptr, 16));
    }
    return address;
}

void addBluezObjects(const std::string &adapterPath, const BluezObjects &objects, Bluetooth &bluetooth)
{
    for (const auto &adapter : objects.adapters) {
        const auto address = parseBluetoothAddress(adapter.address);
        if (adapter.path == adapterPath && address)
            bluetooth.radio = BluetoothRadioInfo{adapter.name, *address};
    }
    for (const auto &device : objects.devices) {
        if (device.adapterPath == adapterPath &&
            (device.paired || device.bonded || device.trusted || device.connected))
            bluetooth.devices.push_back({device.name, device.connected});
    }
}

std::string systemBusAddress()
{
    const char *address = std::getenv("DBUS_SYSTEM_BUS_ADDRESS");
    return address && *address ? address : "unix:path=/var/run/dbus/system_bus_socket";
}

std::optional<BluezObjects> queryBluez(const std::string &busAddress, int timeoutMs)
{
    DBusError error;
    dbus_error_init(&error);
    Connection connection(dbus_connection_open_private(busAddress.c_str(), &error));
    dbus_error_free(&error);
    if (!connection)
        return std::nullopt;
    dbus_connection_set_exit_on_disconnect(connection.get(), FALSE);

    // The bus's greeting is sent by hand: dbus_bus_register would wait without a time limit.
    Message hello(dbus_message_new_method_call("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                               "org.freedesktop.DBus", "Hello"));
    if (!hello)
        return std::nullopt;
    Message welcome(
        dbus_connection_send_with_reply_and_block(connection.get(), hello.get(), timeoutMs, &error));
    dbus_error_free(&error);
    const char *uniqueName = nullptr;
    if (!welcome ||
        !dbus_message_get_args(welcome.get(), nullptr, DBUS_TYPE_STRING, &uniqueName, DBUS_TYPE_INVALID))
        return std::nullopt;
    dbus_bus_set_unique_name(connection.get(), uniqueName);

    Message call(dbus_message_new_method_call("org.bluez", "/", "org.freedesktop.DBus.ObjectManager",
                                              "GetManagedObjects"));
    if (!call)
        return std::nullopt;
    dbus_message_set_auto_start(call.get(), FALSE);
    Message reply(dbus_connection_send_with_reply_and_block(connection.get(), call.get(), timeoutMs, &error));
    dbus_error_free(&error);
    if (!reply)
        return std::nullopt;
    return parseManagedObjects(reply.get());
}

} // namespace platform::linuxbackend
