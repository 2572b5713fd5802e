#include "platform/linux/battery_readings.h"

#include <cmath>
#include <cstdlib>

namespace platform::linuxbackend {

namespace {

// A count, capacity or voltage; a negative one is a driver's way of saying it does not know.
std::optional<std::uint64_t> amount(const std::optional<long long> &value)
{
    if (!value || *value < 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(*value);
}

// A current or power, which some drivers sign by direction; the size is what counts.
std::optional<std::uint64_t> flow(const std::optional<long long> &value)
{
    if (!value)
        return std::nullopt;
    return *value < 0 ? static_cast<std::uint64_t>(-(*value + 1)) + 1 : static_cast<std::uint64_t>(*value);
}

// µAh × µV is pWh and µA × µV is pW: 10^9 of either make one mWh or mW.
std::uint64_t milliProduct(std::uint64_t a, std::uint64_t b)
{
    const double milli = static_cast<double>(a) * static_cast<double>(b) / 1e9;
    return milli >= 1.8e19 ? UINT64_MAX : static_cast<std::uint64_t>(std::llround(milli));
}

BatteryReading readingOf(const PowerSupply &supply)
{
    BatteryReading battery;
    battery.name = supply.name;
    battery.status = supply.status;
    battery.technology = supply.technology;
    battery.manufacturer = supply.manufacturer;
    battery.model = supply.model;
    battery.serial = supply.serial;
    const auto voltageNow = amount(supply.voltageNow);
    battery.voltageMv = voltageNow.value_or(0) / 1000;
    const std::uint64_t designMicrovolts = amount(supply.voltageMinDesign).value_or(0);
    battery.designVoltageMv = designMicrovolts / 1000;
    if (const auto cycles = amount(supply.cycleCount))
        battery.cycleCount = static_cast<std::uint32_t>(std::min<std::uint64_t>(*cycles, UINT32_MAX));

    if (amount(supply.energyFullDesign) || amount(supply.energyFull) || amount(supply.energyNow)) {
        const auto mwh = [](const std::optional<long long> &microwattHours) -> std::optional<std::uint64_t> {
            const auto value = amount(microwattHours);
            return value ? std::optional<std::uint64_t>(*value / 1000) : std::nullopt;
        };
        battery.designMwh = mwh(supply.energyFullDesign);
        battery.fullMwh = mwh(supply.energyFull);
        battery.remainingMwh = mwh(supply.energyNow);
    } else {
        // Batteries that count charge are rated at their design voltage; without one the present
        // voltage is the best there is.
        const std::uint64_t microvolts = designMicrovolts ? designMicrovolts : voltageNow.value_or(0);
        const auto mwh = [&](const std::optional<long long> &microampHours) -> std::optional<std::uint64_t> {
            const auto value = amount(microampHours);
            if (!value || microvolts == 0)
                return std::nullopt;
            return milliProduct(*value, microvolts);
        };
        battery.designMwh = mwh(supply.chargeFullDesign);
        battery.fullMwh = mwh(supply.chargeFull);
        battery.remainingMwh = mwh(supply.chargeNow);
    }

    if (const auto power = flow(supply.powerNow))
        battery.powerMw = *power / 1000;
    else if (const auto current = flow(supply.currentNow); current && battery.voltageMv != 0)
        battery.powerMw = milliProduct(*current, *voltageNow);

    if (const auto capacity = amount(supply.capacity))
        battery.chargePercent = static_cast<std::uint32_t>(std::min<std::uint64_t>(*capacity, 100));
    else if (battery.remainingMwh && battery.fullMwh && *battery.fullMwh != 0)
        battery.chargePercent = static_cast<std::uint32_t>(
            std::lround(std::min(100.0, 100.0 * *battery.remainingMwh / *battery.fullMwh)));

    if (battery.status == "Discharging") {
        if (const auto seconds = amount(supply.timeToEmptyNow))
            battery.runTimeMinutes =
                static_cast<std::uint32_t>(std::min<std::uint64_t>(*seconds / 60, UINT32_MAX));
        else if (battery.powerMw && *battery.powerMw != 0 && battery.remainingMwh)
            battery.runTimeMinutes = static_cast<std::uint32_t>(
                std::min(4294967295.0, std::floor(60.0 * *battery.remainingMwh / *battery.powerMw)));
    }
    return battery;
}

} // namespace

SystemBatteries systemBatteries(const std::vector<PowerSupply> &supplies)
{
    SystemBatteries result;
    for (const auto &supply : supplies) {
        if (isSystemBattery(supply))
            result.batteries.push_back(readingOf(supply));
    }
    result.acOnline = externalPowerOnline(supplies);
    return result;
}

} // namespace platform::linuxbackend
