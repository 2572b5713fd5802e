#include "platform/linux/power_supplies.h"

#include "platform/text.h"

namespace platform::linuxbackend {

namespace {

// Batteries and chargers of mice, keyboards and headsets say so with their scope.
bool isPeripheral(const PowerSupply &supply)
{
    return supply.scope == "Device";
}

bool isExternalPower(const PowerSupply &supply)
{
    // Older kernels name the USB charger kind in the type ("USB_C", "USB_PD").
    return (supply.type == "Mains" || supply.type == "USB" || supply.type.rfind("USB_", 0) == 0) &&
           !isPeripheral(supply);
}

} // namespace

std::vector<PowerSupply> readPowerSupplies(const SysRoot &root)
{
    std::vector<PowerSupply> supplies;
    const std::string base = "/sys/class/power_supply/";
    for (const auto &name : root.listDir(base)) {
        const std::string dir = base + name + "/";
        const auto text = [&](const char *file) {
            return text::validUtf8WithoutControlsTrimmed(root.readAttribute(dir + file).value_or(""));
        };
        const auto number = [&](const char *file) { return root.readInteger(dir + file); };
        PowerSupply supply;
        supply.name = name;
        supply.type = text("type");
        supply.scope = text("scope");
        supply.status = text("status");
        supply.technology = text("technology");
        supply.manufacturer = text("manufacturer");
        supply.model = text("model_name");
        supply.serial = text("serial_number");
        supply.present = number("present");
        supply.online = number("online");
        supply.capacity = number("capacity");
        supply.cycleCount = number("cycle_count");
        supply.energyNow = number("energy_now");
        supply.energyFull = number("energy_full");
        supply.energyFullDesign = number("energy_full_design");
        supply.chargeNow = number("charge_now");
        supply.chargeFull = number("charge_full");
        supply.chargeFullDesign = number("charge_full_design");
        supply.voltageNow = number("voltage_now");
        supply.voltageMinDesign = number("voltage_min_design");
        supply.powerNow = number("power_now");
        supply.currentNow = number("current_now");
        supply.timeToEmptyNow = number("time_to_empty_now");
        supplies.push_back(std::move(supply));
    }
    return supplies;
}

bool isSystemBattery(const PowerSupply &supply)
{
    // present 0 is an empty second bay.
    return supply.type == "Battery" && !isPeripheral(supply) && supply.present.value_or(1) != 0;
}

std::optional<bool> externalPowerOnline(const std::vector<PowerSupply> &supplies)
{
    std::optional<bool> online;
    for (const auto &supply : supplies) {
        // 1 is a fixed supply, 2 a programmable one (USB PD); anything else says nothing.
        if (!isExternalPower(supply) || !supply.online || *supply.online < 0 || *supply.online > 2)
            continue;
        online = online.value_or(false) || *supply.online != 0;
    }
    return online;
}

} // namespace platform::linuxbackend
