#pragma once

#include "platform/source.h"

#include <QString>
#include <QVariantMap>

#include <optional>

// The rows the battery step reads; an empty map stands for a class that gave nothing.
struct BatteryRows {
    QVariantMap battery;     // Win32_Battery
    QVariantMap status;      // BatteryStatus
    QVariantMap staticData;  // BatteryStaticData
    QVariantMap fullCharged; // BatteryFullChargedCapacity
    QVariantMap cycleCount;  // BatteryCycleCount
};

// The power status decides when it can (bit 128: no system battery, 255 unknown included; any other
// non-zero flag: a battery); without it, or with flag 0, a Win32_Battery row with any property does.
bool batteryPresent(const std::optional<platform::PowerStatus> &power, const QVariantMap &win32Battery);

QString batteryStatusText(bool charging, bool acConnected, int chargePercent);

// "+45.0 W (đang nạp)" while charging at a known rate, else "-12.3 W (đang xả)" at a known
// discharge rate; empty when neither rate is known.
QString powerFlowText(bool charging, int chargeRateMw, int dischargeRateMw);

// round(mWh × 1000 / mV); 0 when the voltage is unknown.
quint64 milliampHours(quint64 milliwattHours, quint64 millivolts);

// Percent of the design capacity lost, never below 0; nullopt unless both capacities are known.
std::optional<double> wearPercent(quint64 designMwh, quint64 fullMwh);

// The chemistry name from the static data's chemistry code, falling back to Win32_Battery's
// numeric code; empty when neither names one.
QString chemistryName(const QVariant &staticChemistry, int win32Chemistry);

// Minutes left on battery: the power status's life time when known, else Win32_Battery's
// estimate when it is not WMI's "unknown"; 0 when neither is known.
int runtimeMinutes(const std::optional<platform::PowerStatus> &power, quint64 estimatedRunTime);

// The snapshot's `battery` map.
QVariantMap batteryEntry(const BatteryRows &rows, const std::optional<platform::PowerStatus> &power);
