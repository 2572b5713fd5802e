#include "hardware/batteryrules.h"

#include "hardware/charcodes.h"
#include "hardware/keys/batterykeys.h"
#include "hardware/rowreaders.h"
#include "hardware/wmiunsigned.h"

#include <cmath>

namespace {

constexpr std::uint32_t kUnknownLifeTime = 0xFFFFFFFFu;
constexpr quint64 kLastKnownRunTime = 71582787; // WMI reports one more when it has no estimate

QString mwhText(quint64 mwh)
{
    return QStringLiteral("%1 mWh").arg(mwh);
}

QString mahText(quint64 mah)
{
    return QStringLiteral("%1 mAh").arg(mah);
}

// The static chemistry is a four-character code; WMI may deliver it packed into a 32-bit
// number, first character in the lowest byte.
QString staticChemistryText(const QVariant &value)
{
    switch (value.type()) {
    case QVariant::Int:
    case QVariant::UInt:
    case QVariant::LongLong:
    case QVariant::ULongLong: {
        const quint32 packed = static_cast<quint32>(value.toLongLong());
        QString text;
        for (int shift = 0; shift < 32; shift += 8) {
            const unsigned c = (packed >> shift) & 0xFF;
            if (c == 0)
                break;
            if (c < 0x21 || c > 0x7E)
                return {};
            text.append(QLatin1Char(static_cast<char>(c)));
        }
        return text;
    }
    default:
        return decodeCharCodes(value);
    }
}

} // namespace

bool batteryPresent(const std::optional<platform::PowerStatus> &power, const QVariantMap &win32Battery)
{
    if (power && (power->batteryFlag & platform::PowerStatus::kNoSystemBattery))
        return false;
    if (power && power->batteryFlag != 0)
        return true;
    return !win32Battery.isEmpty();
}

QString batteryStatusText(bool charging, bool acConnected, int chargePercent)
{
    if (charging)
        return QStringLiteral("Đang sạc");
    if (!acConnected)
        return QStringLiteral("Đang dùng pin");
    if (chargePercent < 99)
        return QStringLiteral("Đã cắm sạc (giữ mức)");
    return QStringLiteral("Đã sạc đầy");
}

QString powerFlowText(bool charging, int chargeRateMw, int dischargeRateMw)
{
    if (charging && chargeRateMw >= 1)
        return QStringLiteral("+%1 W (đang nạp)").arg(chargeRateMw / 1000.0, 0, 'f', 1);
    if (dischargeRateMw >= 1)
        return QStringLiteral("-%1 W (đang xả)").arg(dischargeRateMw / 1000.0, 0, 'f', 1);
    return {};
}

quint64 milliampHours(quint64 milliwattHours, quint64 millivolts)
{
    if (millivolts == 0)
        return 0;
    return static_cast<quint64>(std::llround(static_cast<double>(milliwattHours) * 1000.0 / millivolts));
}

std::optional<double> wearPercent(quint64 designMwh, quint64 fullMwh)
{
    if (designMwh == 0 || fullMwh == 0)
        return std::nullopt;
    const double design = static_cast<double>(designMwh);
    return std::max(0.0, (design - static_cast<double>(fullMwh)) / design * 100.0);
}

QString chemistryName(const QVariant &staticChemistry, int win32Chemistry)
{
    const QString s = staticChemistryText(staticChemistry).trimmed().toUpper();
    if (s == QLatin1String("LION") || s == QLatin1String("LI-I"))
        return QStringLiteral("Lithium-ion (Li-ion)");
    if (s.startsWith(QLatin1String("LIP")) || s == QLatin1String("LI-P"))
        return QStringLiteral("Lithium Polymer (Li-Po)");
    if (s == QLatin1String("NIMH"))
        return QStringLiteral("Nickel-Metal Hydride (NiMH)");
    if (s == QLatin1String("NICD"))
        return QStringLiteral("Nickel-Cadmium (NiCd)");
    if (s == QLatin1String("PBAC"))
        return QStringLiteral("Lead Acid");
    if (!s.isEmpty())
        return s;
    switch (win32Chemistry) {
    case 3:
        return QStringLiteral("Lead Acid");
    case 4:
        return QStringLiteral("Nickel-Cadmium (NiCd)");
    case 5:
        return QStringLiteral("Nickel-Metal Hydride (NiMH)");
    case 6:
        return QStringLiteral("Lithium-ion (Li-ion)");
    case 7:
        return QStringLiteral("Zinc Air");
    case 8:
        return QStringLiteral("Lithium Polymer (Li-Po)");
    default:
        return {};
    }
}

int runtimeMinutes(const std::optional<platform::PowerStatus> &power, quint64 estimatedRunTime)
{
    if (power && power->batteryLifeTime != 0 && power->batteryLifeTime != kUnknownLifeTime)
        return static_cast<int>(power->batteryLifeTime / 60);
    if (estimatedRunTime >= 1 && estimatedRunTime <= kLastKnownRunTime)
        return static_cast<int>(estimatedRunTime);
    return 0;
}

QVariantMap batteryEntry(const BatteryRows &rows, const std::optional<platform::PowerStatus> &power)
{
    QVariantMap battery;
    if (!batteryPresent(power, rows.battery)) {
        battery.insert(BatteryKey::kPresent, false);
        return battery;
    }
    battery.insert(BatteryKey::kPresent, true);
    const QString win32Name = putText(battery, BatteryKey::kName, rowText(rows.battery, "Name"));
    const int charge = rowInt(rows.battery, "EstimatedChargeRemaining");
    if (charge > 0)
        battery.insert(BatteryKey::kCharge, QStringLiteral("%1%").arg(charge));

    const bool charging = rows.status.value(QStringLiteral("Charging")).toBool();
    const bool ac = rows.status.value(QStringLiteral("PowerOnline")).toBool() ||
                    (power && power->acLineStatus == platform::PowerStatus::kAcOnline);
    quint64 millivolts = rowUnsigned32(rows.status, "Voltage");
    if (millivolts == 0)
        millivolts = rowUInt64(rows.battery, "DesignVoltage");

    battery.insert(BatteryKey::kCharging, charging);
    battery.insert(BatteryKey::kAcConnected, ac);
    battery.insert(BatteryKey::kStatus, batteryStatusText(charging, ac, charge));
    battery.insert(BatteryKey::kAcPower,
                   ac ? QStringLiteral("Đang cắm nguồn (AC)") : QStringLiteral("Chạy bằng pin (DC)"));
    if (millivolts != 0)
        battery.insert(BatteryKey::kVoltage, QStringLiteral("%1 V").arg(millivolts / 1000.0, 0, 'f', 2));
    putText(battery, BatteryKey::kPowerFlow,
            powerFlowText(charging, rowInt(rows.status, "ChargeRate"), rowInt(rows.status, "DischargeRate")));

    const int cycles = rowInt(rows.cycleCount, "CycleCount");
    if (cycles > 0)
        battery.insert(BatteryKey::kCycleCount, cycles);
    putText(battery, BatteryKey::kManufacturer,
            decodeCharCodes(rows.staticData.value(QStringLiteral("ManufactureName"))));
    putText(battery, BatteryKey::kSerial,
            decodeCharCodes(rows.staticData.value(QStringLiteral("SerialNumber"))));
    const QString deviceName = decodeCharCodes(rows.staticData.value(QStringLiteral("DeviceName")));
    putText(battery, win32Name.isEmpty() ? BatteryKey::kName : BatteryKey::kModel, deviceName);
    putText(
        battery, BatteryKey::kChemistry,
        chemistryName(rows.staticData.value(QStringLiteral("Chemistry")), rowInt(rows.battery, "Chemistry")));

    const quint64 remaining = rowUnsigned32(rows.status, "RemainingCapacity");
    const quint64 design = rowUnsigned32(rows.staticData, "DesignedCapacity");
    const quint64 full = rowUnsigned32(rows.fullCharged, "FullChargedCapacity");
    const auto putCapacity = [&](const QString &key, const QString &mahKey, quint64 mwh) {
        battery.insert(key, mwhText(mwh));
        if (millivolts != 0)
            battery.insert(mahKey, mahText(milliampHours(mwh, millivolts)));
    };
    if (remaining != 0)
        putCapacity(BatteryKey::kRemainingCapacity, BatteryKey::kRemainingCapacityMah, remaining);
    if (design != 0) {
        putCapacity(BatteryKey::kDesignCapacity, BatteryKey::kDesignCapacityMah, design);
        if (const auto wear = wearPercent(design, full)) {
            putCapacity(BatteryKey::kFullCapacity, BatteryKey::kFullCapacityMah, full);
            battery.insert(BatteryKey::kWear, QStringLiteral("%1%").arg(*wear, 0, 'f', 1));
            battery.insert(BatteryKey::kWearValue, *wear);
        }
    }

    if (!ac) {
        const int minutes = runtimeMinutes(power, rowUnsigned32(rows.battery, "EstimatedRunTime"));
        if (minutes > 0)
            battery.insert(BatteryKey::kRuntime,
                           QStringLiteral("%1 giờ %2 phút").arg(minutes / 60).arg(minutes % 60));
    }
    return battery;
}
