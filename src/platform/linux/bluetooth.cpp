#include "platform/linux/linux_source.h"

#include "platform/linux/bluez.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>

namespace platform::linuxbackend {

namespace {

constexpr int bluezTimeoutMs = 1500;

// "hci0" -> 0; -1 for entries that are not controllers ("hci0:256" is a connection).
long controllerNumber(const std::string &name)
{
    if (name.size() < 4 || name.compare(0, 3, "hci") != 0 ||
        !std::all_of(name.begin() + 3, name.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return -1;
    const std::string digits = name.substr(3, 9);
    return std::strtol(digits.c_str(), nullptr, 10);
}

} // namespace

std::optional<Bluetooth> LinuxSource::bluetooth()
{
    std::string controller;
    long lowest = LONG_MAX;
    for (const auto &name : root_.listDir("/sys/class/bluetooth")) {
        const long number = controllerNumber(name);
        if (number >= 0 && number < lowest) {
            lowest = number;
            controller = name;
        }
    }
    if (controller.empty())
        return std::nullopt;

    Bluetooth bluetooth;
    // Older kernels publish the name and address in sysfs; current ones only through BlueZ.
    const std::string base = "/sys/class/bluetooth/" + controller;
    const auto sysfsAddress = parseBluetoothAddress(root_.readAttribute(base + "/address").value_or(""));
    if (sysfsAddress)
        bluetooth.radio = BluetoothRadioInfo{root_.readAttribute(base + "/name").value_or(""), *sysfsAddress};
    if (!root_.isLive())
        return bluetooth;

    const auto objects = queryBluez(systemBusAddress(), bluezTimeoutMs);
    if (!objects)
        return bluetooth;
    addBluezObjects("/org/bluez/" + controller, *objects, bluetooth);
    return bluetooth;
}

} // namespace platform::linuxbackend
