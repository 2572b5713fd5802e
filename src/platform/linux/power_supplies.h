#pragma once

#include "platform/linux/sysroot.h"

#include <optional>
#include <string>
#include <vector>

namespace platform::linuxbackend {

// One entry of /sys/class/power_supply, attributes as the driver states them (absent when
// unreadable); texts made printable because they come from the battery's own firmware.
struct PowerSupply {
    std::string name;   // "BAT0", "AC"
    std::string type;   // "Mains", "Battery", "USB", ...
    std::string scope;  // "Device" for peripherals (mice, headsets); empty or "System" otherwise
    std::string status; // "Charging", "Discharging", "Full", "Not charging", ...
    std::string technology, manufacturer, model, serial;
    std::optional<long long> present, online, capacity, cycleCount;
    std::optional<long long> energyNow, energyFull, energyFullDesign; // µWh
    std::optional<long long> chargeNow, chargeFull, chargeFullDesign; // µAh
    std::optional<long long> voltageNow, voltageMinDesign;            // µV
    std::optional<long long> powerNow, currentNow; // µW, µA; some drivers sign them by direction
    std::optional<long long> timeToEmptyNow;       // s
};

std::vector<PowerSupply> readPowerSupplies(const SysRoot &root);

// A battery that powers the machine and sits in its bay.
bool isSystemBattery(const PowerSupply &supply);

// Whether a mains or USB supply of the machine delivers power; nullopt when none says.
std::optional<bool> externalPowerOnline(const std::vector<PowerSupply> &supplies);

} // namespace platform::linuxbackend
