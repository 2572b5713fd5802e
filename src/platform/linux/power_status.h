#pragma once

#include "platform/linux/sysroot.h"
#include "platform/source.h"

#include <optional>
#include <string>
#include <vector>

namespace platform::linuxbackend {

// One entry of /sys/class/power_supply, with the attributes the power status needs.
struct PowerSupply {
    std::string type;   // "Mains", "Battery", "USB", ...
    std::string scope;  // "Device" for peripherals (mice, headsets); empty or "System" otherwise
    std::string status; // "Charging", "Discharging", "Full", "Not charging", ...
    std::optional<long long> present, online, capacity;
    std::optional<long long> energyNow, energyFull, chargeNow, chargeFull; // µWh, µAh
    std::optional<long long> powerNow, currentNow;                         // µW, µA
    std::optional<long long> timeToEmptyNow;                               // s
};

std::vector<PowerSupply> readPowerSupplies(const SysRoot &root);

// The power status with the meaning GetSystemPowerStatus gives its fields.
PowerStatus derivePowerStatus(const std::vector<PowerSupply> &supplies);

} // namespace platform::linuxbackend
