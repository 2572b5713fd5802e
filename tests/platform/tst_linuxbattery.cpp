#include <QtGlobal>
#ifdef Q_OS_LINUX

#include "fixedpowersource.h"
#include "linuxrows.h"
#include "maptext.h"
#include "platform/linux/linux_source.h"
#include "steprun.h"
#include "sysroots.h"
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
    return std::make_unique<LinuxSource>(testSysRoot(QStringLiteral("sysroots-power/") + name));
}

PowerStatus power(std::uint8_t ac, std::uint8_t flag)
{
    return PowerStatus{ac, flag, 0xFFFFFFFFu};
}

// The battery step's map; the wear figure as a number is the rules' business.
QString batteryOf(Source &source)
{
    QVariantMap battery = runStep(source, collectBattery);
    battery.remove("wearValue");
    return mapText(battery);
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
        QCOMPARE(number(win32[0], "EstimatedRunTime"), 280);
        QCOMPARE(text(win32[0], "DesignVoltage"), QString("11550"));

        FixedPowerSource withPower(machine("new-battery"), power(0, 1));
        // Full above design, as new packs report: no wear rather than a negative one.
        QCOMPARE(
            batteryOf(withPower),
            QString("acConnected=false; acPower=Chạy bằng pin (DC); charge=73%; charging=false; "
                    "chemistry=Lithium Polymer (Li-Po); cycleCount=3; designCapacity=57000 mWh; "
                    "designCapacityMah=4567 mAh; fullCapacity=57230 mWh; fullCapacityMah=4586 mAh; "
                    "manufacturer=SMP; model=5B10W13930; name=5B10W13930; powerFlow=-8.9 W (đang xả); "
                    "present=true; remainingCapacity=41780 mWh; remainingCapacityMah=3348 mAh; "
                    "runtime=4 giờ 40 phút; serial=1342; status=Đang dùng pin; voltage=12.48 V; wear=0.0%"));
    }

    void wornBatteryOnTheCharger()
    {
        FixedPowerSource source(machine("worn-battery"), power(1, 1));
        // The empty second bay gives no battery.
        QCOMPARE(linuxrows::query(source, "ROOT\\WMI", "SELECT * FROM BatteryStaticData").size(),
                 std::size_t(1));
        QCOMPARE(batteryOf(source),
                 QString("acConnected=true; acPower=Đang cắm nguồn (AC); charge=100%; charging=false; "
                         "chemistry=Lithium-ion (Li-ion); cycleCount=612; designCapacity=50000 mWh; "
                         "designCapacityMah=3897 mAh; fullCapacity=42500 mWh; fullCapacityMah=3313 mAh; "
                         "manufacturer=LGC; model=DELL 7FHHV8A; name=DELL 7FHHV8A; present=true; "
                         "remainingCapacity=42500 mWh; remainingCapacityMah=3313 mAh; serial=2543; "
                         "status=Đã sạc đầy; voltage=12.83 V; wear=15.0%"));
    }

    void batteryCountingCharge()
    {
        const auto source = machine("charge-battery");
        // µAh at the 7.7 V design voltage; the halves round up.
        const Rows status = linuxrows::query(*source, "ROOT\\WMI", "SELECT * FROM BatteryStatus");
        QCOMPARE(number(status.at(0), "RemainingCapacity"), 16979);
        QCOMPARE(number(status.at(0), "ChargeRate"), 20213);
        QCOMPARE(number(status.at(0), "PowerOnline"), 1);

        FixedPowerSource withPower(machine("charge-battery"), power(1, 8));
        QCOMPARE(
            batteryOf(withPower),
            QString("acConnected=true; acPower=Đang cắm nguồn (AC); charge=50%; charging=true; "
                    "chemistry=Lithium-ion (Li-ion); designCapacity=37730 mWh; designCapacityMah=4573 mAh; "
                    "fullCapacity=33957 mWh; fullCapacityMah=4116 mAh; manufacturer=ASUSTeK; model=ASUS "
                    "Battery; name=ASUS Battery; powerFlow=+20.2 W (đang nạp); present=true; "
                    "remainingCapacity=16979 mWh; remainingCapacityMah=2058 mAh; status=Đang sạc; "
                    "voltage=8.25 V; wear=10.0%"));
    }

    void failingGaugeGivesNoGarbage()
    {
        const auto source = machine("absurd-battery");
        const Rows status = linuxrows::query(*source, "ROOT\\WMI", "SELECT * FROM BatteryStatus");
        QVERIFY(!has(status.at(0), "PowerOnline"));
        QVERIFY(!has(linuxrows::query(*source, "ROOT\\WMI", "SELECT * FROM BatteryCycleCount").at(0),
                     "CycleCount"));
        QCOMPARE(batteryOf(*source),
                 QString("acConnected=false; acPower=Chạy bằng pin (DC); charge=100%; charging=false; "
                         "manufacturer=SMP; model=Bat[31mtery; name=Bat[31mtery; present=true; "
                         "remainingCapacity=70000 mWh; "
                         "status=Đang dùng pin"));
    }

    void noSystemBattery()
    {
        const auto source = machine("desktop");
        QVERIFY(linuxrows::query(*source, "ROOT\\CIMV2", "SELECT * FROM Win32_Battery").empty());
        QCOMPARE(batteryOf(*source), QString("present=false"));
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
        QCOMPARE(runStep(live, collectBattery).value("present").toBool(), systemBattery);
    }
};

KELVARO_TEST(TestLinuxBattery)
#include "tst_linuxbattery.moc"

#endif
