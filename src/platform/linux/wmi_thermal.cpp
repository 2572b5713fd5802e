#include "platform/linux/linux_source.h"
#include "platform/linux/wmi_classes.h"

#include <cstdint>

// MSAcpi_ThermalZoneTemperature from processor sensors only. Other hwmon chips and thermal
// zones (Wi-Fi, battery, drives, chipset) are left out on purpose: the sampler reports the
// hottest zone as the CPU temperature.

namespace platform::linuxbackend {

namespace {

// Millidegrees Celsius to tenths of a kelvin, as ACPI thermal zones report them; nullopt
// for readings at or below absolute zero.
std::optional<std::uint32_t> tenthsOfKelvin(long long milliCelsius)
{
    const long long tenths = (milliCelsius + 273150 + 50) / 100;
    if (milliCelsius <= -273150 || tenths <= 0 || tenths > 0xFFFFFFFFLL)
        return std::nullopt;
    return static_cast<std::uint32_t>(tenths);
}

void addZone(Rows &rows, const std::string &instance, std::optional<long long> milliCelsius)
{
    if (!milliCelsius)
        return;
    const auto value = tenthsOfKelvin(*milliCelsius);
    if (!value)
        return;
    rows.push_back(Row{{"InstanceName", instance}, {"CurrentTemperature", *value}});
}

// The inputs of one hwmon device whose label passes the filter, as "tempN" stems.
std::vector<std::string> labelledInputs(const SysRoot &root, const std::string &dir,
                                        bool (*wanted)(const std::string &label))
{
    std::vector<std::string> stems;
    for (const auto &name : root.listDir(dir)) {
        const std::string suffix = "_label";
        if (name.size() <= suffix.size() || name.compare(0, 4, "temp") != 0 ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        const auto label = root.readAttribute(dir + "/" + name);
        if (label && wanted(*label))
            stems.push_back(name.substr(0, name.size() - suffix.size()));
    }
    return stems;
}

bool isPackageLabel(const std::string &label)
{
    return label.compare(0, 11, "Package id ") == 0;
}

bool isTdie(const std::string &label)
{
    return label == "Tdie";
}

bool isTctl(const std::string &label)
{
    return label == "Tctl";
}

void addHwmonZones(const SysRoot &root, Rows &rows)
{
    const std::string base = "/sys/class/hwmon";
    for (const auto &device : root.listDir(base)) {
        const std::string dir = base + "/" + device;
        const auto chip = root.readAttribute(dir + "/name");
        if (!chip)
            continue;
        std::vector<std::string> stems;
        if (*chip == "coretemp") {
            stems = labelledInputs(root, dir, isPackageLabel);
        } else if (*chip == "k10temp") {
            // Tctl carries a fan-control offset on some models; the die reading is the true one.
            stems = labelledInputs(root, dir, isTdie);
            if (stems.empty())
                stems = labelledInputs(root, dir, isTctl);
        }
        for (const auto &stem : stems)
            addZone(rows, *chip + "/" + device + "/" + stem, root.readInteger(dir + "/" + stem + "_input"));
    }
}

void addThermalZones(const SysRoot &root, Rows &rows)
{
    const std::string base = "/sys/class/thermal";
    for (const auto &zone : root.listDir(base)) {
        if (zone.compare(0, 12, "thermal_zone") != 0)
            continue;
        const std::string dir = base + "/" + zone;
        const auto type = root.readAttribute(dir + "/type");
        if (type && (*type == "x86_pkg_temp" || *type == "acpitz"))
            addZone(rows, *type + "/" + zone, root.readInteger(dir + "/temp"));
    }
}

Rows thermalZoneTemperatures(const SysRoot &root)
{
    Rows rows;
    addHwmonZones(root, rows);
    addThermalZones(root, rows);
    return rows;
}

} // namespace

void addThermalClasses(WmiClassTable &table)
{
    table.push_back({"ROOT\\WMI", "MSAcpi_ThermalZoneTemperature", thermalZoneTemperatures});
}

} // namespace platform::linuxbackend
