#include "platform/linux/battery_readings.h"
#include "platform/linux/char_codes.h"
#include "platform/linux/wmi_classes.h"

#include <limits>

namespace platform::linuxbackend {

namespace {

struct Chemistry {
    const char *technology; // as the kernel names it
    std::int32_t code;      // Win32_Battery's Chemistry
    const char *staticCode; // BatteryStaticData's four-character code
};

constexpr Chemistry kChemistries[] = {
    {"Li-ion", 6, "LION"}, {"Li-poly", 8, "LiP"}, {"NiMH", 5, "NiMH"},
    {"NiCd", 4, "NiCd"},   {"LiFe", 1, "LiFe"},   {"LiMn", 1, "LiMn"},
};

const Chemistry *chemistryOf(const std::string &technology)
{
    for (const Chemistry &chemistry : kChemistries) {
        if (technology == chemistry.technology)
            return &chemistry;
    }
    return nullptr;
}

std::int32_t int32Of(std::uint64_t value)
{
    return static_cast<std::int32_t>(
        std::min<std::uint64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

void putCodes(Row &row, const char *name, const std::string &text)
{
    IntList codes = charCodes(text);
    if (!codes.empty())
        row[name] = std::move(codes);
}

// One row per battery, named by `key` after the supply.
template <typename Fill> Rows batteryRows(const SysRoot &root, const char *key, Fill fill)
{
    const SystemBatteries supplies = systemBatteries(readPowerSupplies(root));
    Rows rows;
    for (const BatteryReading &battery : supplies.batteries) {
        Row row;
        row[key] = battery.name;
        fill(row, battery, supplies);
        rows.push_back(std::move(row));
    }
    return rows;
}

Rows win32Batteries(const SysRoot &root)
{
    return batteryRows(root, "DeviceID",
                       [](Row &row, const BatteryReading &battery, const SystemBatteries &) {
                           if (!battery.model.empty())
                               row["Name"] = battery.model;
                           if (battery.chargePercent)
                               row["EstimatedChargeRemaining"] = int32Of(*battery.chargePercent);
                           // A CIM uint64, which WMI delivers as text.
                           if (battery.designVoltageMv != 0)
                               row["DesignVoltage"] = std::to_string(battery.designVoltageMv);
                           const Chemistry *chemistry = chemistryOf(battery.technology);
                           row["Chemistry"] = chemistry ? chemistry->code : 2;
                           if (battery.runTimeMinutes)
                               row["EstimatedRunTime"] = int32Of(*battery.runTimeMinutes);
                       });
}

Rows batteryStatus(const SysRoot &root)
{
    return batteryRows(root, "InstanceName",
                       [](Row &row, const BatteryReading &battery, const SystemBatteries &supplies) {
                           const bool charging = battery.status == "Charging";
                           const bool discharging = battery.status == "Discharging";
                           row["Active"] = true;
                           row["Charging"] = charging;
                           row["Discharging"] = discharging;
                           // Without a mains supply to ask, the battery's own state tells whether power comes
                           // in.
                           if (supplies.acOnline)
                               row["PowerOnline"] = *supplies.acOnline;
                           else if (battery.status == "Charging" || battery.status == "Full" ||
                                    battery.status == "Not charging")
                               row["PowerOnline"] = true;
                           else if (discharging)
                               row["PowerOnline"] = false;
                           if (battery.voltageMv != 0)
                               row["Voltage"] = int32Of(battery.voltageMv);
                           if (battery.powerMw) {
                               row["ChargeRate"] = charging ? int32Of(*battery.powerMw) : 0;
                               row["DischargeRate"] = discharging ? int32Of(*battery.powerMw) : 0;
                           }
                           if (battery.remainingMwh)
                               row["RemainingCapacity"] = int32Of(*battery.remainingMwh);
                       });
}

Rows batteryStaticData(const SysRoot &root)
{
    return batteryRows(root, "InstanceName",
                       [](Row &row, const BatteryReading &battery, const SystemBatteries &) {
                           if (battery.designMwh)
                               row["DesignedCapacity"] = int32Of(*battery.designMwh);
                           putCodes(row, "ManufactureName", battery.manufacturer);
                           putCodes(row, "SerialNumber", battery.serial);
                           putCodes(row, "DeviceName", battery.model);
                           if (const Chemistry *chemistry = chemistryOf(battery.technology))
                               putCodes(row, "Chemistry", chemistry->staticCode);
                       });
}

Rows fullChargedCapacity(const SysRoot &root)
{
    return batteryRows(root, "InstanceName",
                       [](Row &row, const BatteryReading &battery, const SystemBatteries &) {
                           if (battery.fullMwh)
                               row["FullChargedCapacity"] = int32Of(*battery.fullMwh);
                       });
}

Rows cycleCount(const SysRoot &root)
{
    return batteryRows(root, "InstanceName",
                       [](Row &row, const BatteryReading &battery, const SystemBatteries &) {
                           if (battery.cycleCount)
                               row["CycleCount"] = int32Of(*battery.cycleCount);
                       });
}

} // namespace

void addBatteryClasses(WmiClassTable &table)
{
    table.push_back({"ROOT\\CIMV2", "Win32_Battery", win32Batteries});
    table.push_back({"ROOT\\WMI", "BatteryStatus", batteryStatus});
    table.push_back({"ROOT\\WMI", "BatteryStaticData", batteryStaticData});
    table.push_back({"ROOT\\WMI", "BatteryFullChargedCapacity", fullChargedCapacity});
    table.push_back({"ROOT\\WMI", "BatteryCycleCount", cycleCount});
}

} // namespace platform::linuxbackend
