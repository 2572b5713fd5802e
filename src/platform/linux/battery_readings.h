#pragma once

#include "platform/linux/power_supplies.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::linuxbackend {

// One system battery in the units the inventory uses.
struct BatteryReading {
    std::string name;   // "BAT0"
    std::string status; // "Charging", "Discharging", "Full", "Not charging", "Unknown"
    std::optional<std::uint32_t> chargePercent;
    // mWh. A battery that counts charge (µAh) is converted at its design voltage.
    std::optional<std::uint64_t> designMwh, fullMwh, remainingMwh;
    std::uint64_t voltageMv = 0;       // now
    std::uint64_t designVoltageMv = 0; // minimum design voltage
    std::optional<std::uint64_t> powerMw;
    std::optional<std::uint32_t> runTimeMinutes; // while discharging at a known rate
    std::optional<std::uint32_t> cycleCount;
    std::string technology, manufacturer, model, serial;
};

struct SystemBatteries {
    std::vector<BatteryReading> batteries; // by supply name
    std::optional<bool> acOnline;          // absent when no mains or USB supply reports it
};

// Batteries that power the system (not those of mice or headsets) and are in their bay.
SystemBatteries systemBatteries(const std::vector<PowerSupply> &supplies);

} // namespace platform::linuxbackend
