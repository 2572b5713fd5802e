#pragma once

#include "platform/source.h"

#include <dbus/dbus.h>

#include <array>
#include <cstdint>

#include <optional>
#include <string>
#include <vector>

namespace platform::linuxbackend {

// What BlueZ's object manager knows about adapters and devices.
struct BluezAdapter {
    std::string path; // "/org/bluez/hci0"
    std::string address;
    std::string name; // the alias the adapter shows to others
};

struct BluezDevice {
    std::string adapterPath;
    std::string path;
    std::string name; // the alias, or the name the device announced
    bool paired = false;
    bool bonded = false;
    bool trusted = false;
    bool connected = false;
};

struct BluezObjects {
    std::vector<BluezAdapter> adapters;
    std::vector<BluezDevice> devices; // in object path order
};

// Decodes a GetManagedObjects reply (a{oa{sa{sv}}}); nullopt when it has another shape.
// Properties of unexpected types are ignored.
std::optional<BluezObjects> parseManagedObjects(DBusMessage *reply);

// Asks BlueZ on the system bus. Nullopt when there is no bus, no BlueZ, or no answer within
// timeoutMs; BlueZ is never started on demand.
std::optional<BluezObjects> queryBluez(const std::string &busAddress, int timeoutMs);

// The radio's name and address and its known devices, taken from what BlueZ reports for the
// adapter at adapterPath. Devices only seen nearby are left out, as an unpaired search would.
void addBluezObjects(const std::string &adapterPath, const BluezObjects &objects, Bluetooth &bluetooth);

// "00:1A:7D:DA:71:13", most significant byte first; nullopt when malformed.
std::optional<std::array<std::uint8_t, 6>> parseBluetoothAddress(const std::string &text);

// The system bus address: DBUS_SYSTEM_BUS_ADDRESS, else the well-known socket.
std::string systemBusAddress();

} // namespace platform::linuxbackend
