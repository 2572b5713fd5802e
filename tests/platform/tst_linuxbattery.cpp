#include <QtGlobal>
#ifdef Q_OS_LINUX

#include "fixedpowersource.h"
#include "hardware/windowscollector.h"
#include "linuxrows.h"
#include "platform/linux/linux_source.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace platform;
using namespace platform::linuxbackend;
using linuxrows::has;
using linuxrows::number;
using linuxrows::text;

namespace {

std::unique_ptr<Source> machine(const char *name)
{
    return std::make_unique<LinuxSource>(SysRoot(std::string(KELVARO_TEST_DATA "/sysroots-power/") + name));
}

PowerStatus power(std::uint8_t ac, std::uint8_t flag)
{
    PowerStatus status;
    status.acLineStatus = ac;
    status.batteryFlag = flag;
    return status;
}

QVariantMap batteryOf(Source &source)
{
    WmiConnection cimv2(source);
    cimv2.open(QStringLiteral("ROOT\\CIMV2"));
    return collectBattery(CollectContext{source, cimv2});
}

QByteArray attribute(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

} // namespace

class TestLinuxBattery : public QObject {
    Q_OBJECT

private slots:
    void newBatteryOnItsOwnPower()
    {
        const auto source = machine("new-battery");
        // The mouse's battery is not the system's.
        const Rows win32 = linuxrows::query(*source, "ROOT\\CIMV2", "SELECT * FROM Win32_Battery");
        QCOMPARE(win32.size(), std::size_t(1));
        QCOMPARE(text(win32[0], "Name"), QString("5B10W13930"));
        QCOMPARE(number(win32[0], "EstimatedChargeRemaining"), 73);
        QCOMPARE(text(win32[0], "DesignVoltage"), QString("11550"));
        QCOMPARE(number(win32[0], "Chemistry"), 8);
        QCOMPARE(number(win32[0], "EstimatedRunTime"), 280);
        const Rows status = linuxrows::query(*source, "ROOT\\WMI", "SELECT * FROM BatteryStatus");
        QCOMPARE(status.size(), std::size_t(1));
        QCOMPARE(number(status[0], "PowerOnline"), 0);
        QCOMPARE(number(status[0], "DischargeRate"), 8930);
        QCOMPARE(number(status[0], "ChargeRate"), 0);
        QCOMPARE(number(status[0], "RemainingCapacity"), 41780);
        QCOMPARE(number(status[0], "Voltage"), 12480);

        FixedPowerSource withPower(machine("new-battery"), power(0, 1));
        const QVariantMap battery = batteryOf(withPower);
        QCOMPARE(battery.value("present").toBool(), true);
        QCOMPARE(battery.value("name").toString(), QString("5B10W13930"));
        QCOMPARE(battery.value("manufacturer").toString(), QString("SMP"));
        QCOMPARE(battery.value("serial").toString(), QString("1342"));
        QCOMPARE(battery.value("chemistry").toString(), QString("Lithium Polymer (Li-Po)"));
        QCOMPARE(battery.value("charge").toString(), QString("73%"));
        QCOMPARE(battery.value("status").toString(), QString("Đang dùng pin"));
        QCOMPARE(battery.value("voltage").toString(), QString("12.48 V"));
        QCOMPARE(battery.value("powerFlow").toString(), QString("-8.9 W (đang xả)"));
        QCOMPARE(battery.value("designCapacity").toString(), QString("57000 mWh"));
        QCOMPARE(battery.value("designCapacityMah").toString(), QString("4567 mAh"));
        QCOMPARE(battery.value("fullCapacity").toString(), QString("57230 mWh"));
        // Full above design, as new packs report: no wear rather than a negative one.
        QCOMPARE(battery.value("wear").toString(), QString("0.0%"));
        QCOMPARE(battery.value("cycleCount").toInt(), 3);
        QCOMPARE(battery.value("runtime").toString(), QString("4 giờ 40 phút"));
    }

    void wornBatteryOnTheCharger()
    {
        FixedPowerSource source(machine("worn-battery"), power(1, 1));
        // The empty second bay gives no battery.
        QCOMPARE(linuxrows::query(source, "ROOT\\WMI", "SELECT * FROM BatteryStaticData").size(),
                 std::size_t(1));
        const QVariantMap battery = batteryOf(source);
        QCOMPARE(battery.value("status").toString(), QString("Đã sạc đầy"));
        QCOMPARE(battery.value("acConnected").toBool(), true);
        QCOMPARE(battery.value("wear").toString(), QString("15.0%"));
        QCOMPARE(battery.value("designCapacityMah").toString(), QString("3897 mAh"));
        QCOMPARE(battery.value("fullCapacityMah").toString(), QString("3313 mAh"));
        QCOMPARE(battery.value("cycleCount").toInt(), 612);
        QCOMPARE(battery.value("model").toString(), QString("DELL 7FHHV8A"));
        QCOMPARE(battery.value("chemistry").toString(), QString("Lithium-ion (Li-ion)"));
        QVERIFY(!battery.contains("powerFlow"));
        QVERIFY(!battery.contains("runtime"));
    }

    void batteryCountingCharge()
    {
        const auto source = machine("charge-battery");
        // µAh at the 7.7 V design voltage; the halves round up.
        const Rows status = linuxrows::query(*source, "ROOT\\WMI", "SELECT * FROM BatteryStatus");
        QCOMPARE(number(status.at(0), "RemainingCapacity"), 16979);
        QCOMPARE(number(status.at(0), "ChargeRate"), 20213);
        QCOMPARE(number(status.at(0), "PowerOnline"), 1);
        QCOMPARE(number(linuxrows::query(*source, "ROOT\\WMI", "SELECT * FROM BatteryStaticData").at(0),
                        "DesignedCapacity"),
                 37730);
        QCOMPARE(
            number(linuxrows::query(*source, "ROOT\\WMI", "SELECT * FROM BatteryFullChargedCapacity").at(0),
                   "FullChargedCapacity"),
            33957);

        FixedPowerSource withPower(machine("charge-battery"), power(1, 8));
        const QVariantMap battery = batteryOf(withPower);
        QCOMPARE(battery.value("status").toString(), QString("Đang sạc"));
        QCOMPARE(battery.value("powerFlow").toString(), QString("+20.2 W (đang nạp)"));
        QCOMPARE(battery.value("wear").toString(), QString("10.0%"));
        QVERIFY(!battery.contains("cycleCount"));
        QVERIFY(!battery.contains("serial"));
    }

    void failingGaugeGivesNoGarbage()
    {
        const auto source = machine("absurd-battery");
        const Rows status = linuxrows::query(*source, "ROOT\\WMI", "SELECT * FROM BatteryStatus");
        QVERIFY(!has(status.at(0), "PowerOnline"));
        QVERIFY(!has(status.at(0), "Voltage"));
        QVERIFY(!has(linuxrows::query(*source, "ROOT\\WMI", "SELECT * FROM BatteryCycleCount").at(0),
                     "CycleCount"));

        const QVariantMap battery = batteryOf(*source);
        QStringList keys = battery.keys();
        QCOMPARE(keys, QStringList({"acConnected", "acPower", "charge", "charging", "manufacturer", "model",
                                    "name", "present", "remainingCapacity", "status"}));
        QCOMPARE(battery.value("charge").toString(), QString("100%"));
        QCOMPARE(battery.value("manufacturer").toString(), QString("SMP"));
        QCOMPARE(battery.value("name").toString(), QString("Bat[31mtery"));
        QCOMPARE(battery.value("remainingCapacity").toString(), QString("70000 mWh"));
    }

    void noSystemBattery()
    {
        const auto source = machine("desktop");
        QVERIFY(linuxrows::query(*source, "ROOT\\CIMV2", "SELECT * FROM Win32_Battery").empty());
        QCOMPARE(batteryOf(*source), QVariantMap({{"present", false}}));
        FixedPowerSource desktop(machine("desktop"), power(1, 128));
        QCOMPARE(batteryOf(desktop), QVariantMap({{"present", false}}));
    }

    void liveBatteryMatchesTheSystem()
    {
        bool systemBattery = false;
        const QDir supplies(QStringLiteral("/sys/class/power_supply"));
        for (const QString &name : supplies.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString dir = supplies.filePath(name) + QLatin1Char('/');
            systemBattery =
                systemBattery || (attribute(dir + "type") == "Battery" &&
                                  attribute(dir + "scope") != "Device" && attribute(dir + "present") != "0");
        }
        LinuxSource live{SysRoot("/")};
        QCOMPARE(batteryOf(live).value("present").toBool(), systemBattery);
    }
};

KELVARO_TEST(TestLinuxBattery)
#include "tst_linuxbattery.moc"

#endif
