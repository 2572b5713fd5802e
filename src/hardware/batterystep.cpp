#include "hardware/windowscollector.h"

#include "hardware/batteryrules.h"

QVariantMap collectBattery(const CollectContext &context)
{
    WmiConnection wmi(context.source);
    wmi.open(QStringLiteral("ROOT\\WMI"));
    BatteryRows rows;
    rows.battery =
        context.cimv2.queryFirst(QStringLiteral("SELECT Name, EstimatedChargeRemaining, DesignVoltage, "
                                                "Chemistry, EstimatedRunTime FROM Win32_Battery"));
    const std::optional<platform::PowerStatus> power = context.source.powerStatus();
    if (batteryPresent(power, rows.battery)) {
        // An unopened connection answers every query with nothing.
        rows.status =
            wmi.queryFirst(QStringLiteral("SELECT Voltage, ChargeRate, DischargeRate, RemainingCapacity, "
                                          "Charging, Discharging, PowerOnline FROM BatteryStatus"));
        rows.staticData =
            wmi.queryFirst(QStringLiteral("SELECT DesignedCapacity, ManufactureName, SerialNumber, "
                                          "DeviceName, Chemistry FROM BatteryStaticData"));
        rows.fullCharged =
            wmi.queryFirst(QStringLiteral("SELECT FullChargedCapacity FROM BatteryFullChargedCapacity"));
        rows.cycleCount = wmi.queryFirst(QStringLiteral("SELECT CycleCount FROM BatteryCycleCount"));
    }
    return batteryEntry(rows, power);
}
