#include "platform/linux/battery_sysfs.h"

#include "platform/linux/char_codes.h"

#include <cmath>
#include <cstdlib>

namespace platform::linuxbackend {

namespace {

const std::string kSupplies = "/sys/class/power_supply/";

// A count, capacity or voltage; a negative one is a driver's way of saying it does not know.
std::optional<std::uint64_t> amount(const SysRoot &root, const std::string &path)
{
    const auto value = root.readInteger(path);
    if (!value || *value < 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(*value);
}

// A current or power, which some drivers sign by direction; the size is what counts.
std::optional<std::uint64_t> flow(const SysRoot &root, const std::string &path)
{
    const auto value = root.readInteger(path);
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

BatteryReading readBattery(const SysRoot &root, const std::string &name)
{
    const std::string dir = kSupplies + name + "/";
    // Names come from the battery's own firmware; a failing gauge sends any bytes at all.
    const auto text = [&](const char *file) {
        return printableText(root.readAttribute(dir + file).value_or(""));
    };
    const auto number = [&](const char *file) { return amount(root, dir + file); };

    BatteryReading battery;
    battery.name = name;
    battery.status = text("status");
    battery.technology = text("technology");
    battery.manufacturer = text("manufacturer");
    battery.model = text("model_name");
    battery.serial = text("serial_number");
    battery.voltageMv = number("voltage_now").value_or(0) / 1000;
    const std::uint64_t designMicrovolts = number("voltage_min_design").value_or(0);
    battery.designVoltageMv = designMicrovolts / 1000;
    if (const auto cycles = number("cycle_count"))
        battery.cycleCount = static_cast<std::uint32_t>(std::min<std::uint64_t>(*cycles, UINT32_MAX));

    if (number("energy_full_design") || number("energy_full") || number("energy_now")) {
        const auto mwh = [&](const char *file) -> std::optional<std::uint64_t> {
            const auto value = number(file);
            return value ? std::optional<std::uint64_t>(*value / 1000) : std::nullopt;
        };
        battery.designMwh = mwh("energy_full_design");
        battery.fullMwh = mwh("energy_full");
        battery.remainingMwh = mwh("energy_now");
    } else {
        // Batteries that count charge are rated at their design voltage; without one the present
        // voltage is the best there is.
        const std::uint64_t microvolts =
            designMicrovolts ? designMicrovolts : number("voltage_now").value_or(0);
        const auto mwh = [&](const char *file) -> std::optional<std::uint64_t> {
            const auto value = number(file);
            if (!value || microvolts == 0)
                return std::nullopt;
            return milliProduct(*value, microvolts);
        };
        battery.designMwh = mwh("charge_full_design");
        battery.fullMwh = mwh("charge_full");
        battery.remainingMwh = mwh("charge_now");
    }

    if (const auto power = flow(root, dir + "power_now"))
        battery.powerMw = *power / 1000;
    else if (const auto current = flow(root, dir + "current_now"); current && battery.voltageMv != 0)
        battery.powerMw = milliProduct(*current, *number("voltage_now"));

    if (const auto capacity = number("capacity"))
        battery.chargePercent = static_cast<std::uint32_t>(std::min<std::uint64_t>(*capacity, 100));
    else if (battery.remainingMwh && battery.fullMwh && *battery.fullMwh != 0)
        battery.chargePercent = static_cast<std::uint32_t>(
            std::lround(std::min(100.0, 100.0 * *battery.remainingMwh / *battery.fullMwh)));

    if (battery.status == "Discharging") {
        if (const auto seconds = number("time_to_empty_now"))
            battery.runTimeMinutes =
                static_cast<std::uint32_t>(std::min<std::uint64_t>(*seconds / 60, UINT32_MAX));
        else if (battery.powerMw && *battery.powerMw != 0 && battery.remainingMwh)
            battery.runTimeMinutes = static_cast<std::uint32_t>(
                std::min(4294967295.0, std::floor(60.0 * *battery.remainingMwh / *battery.powerMw)));
    }
    return battery;
}

} // namespace

PowerSupplies readSystemBatteries(const SysRoot &root)
{
    PowerSupplies supplies;
    bool sawLine = false;
    bool online = false;
    for (const auto &name : root.listDir(kSupplies)) {
        const std::string dir = kSupplies + name + "/";
        const std::string type = root.readAttribute(dir + "type").value_or("");
        // Batteries of mice, keyboards and headsets say so with their scope.
        if (root.readAttribute(dir + "scope").value_or("") == "Device")
            continue;
        if (type == "Battery") {
            if (root.readAttribute(dir + "present").value_or("1") == "0")
                continue; // an empty second bay
            supplies.batteries.push_back(readBattery(root, name));
        } else if (type == "Mains" || type == "USB") {
            if (const auto state = root.readInteger(dir + "online")) {
                sawLine = true;
                online = online || *state != 0;
            }
        }
    }
    if (sawLine)
        supplies.acOnline = online;
    return supplies;
}

} // namespace platform::linuxbackend
