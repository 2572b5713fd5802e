#include "charcodelist.h"
#include "datarow.h"
#include "hardware/batteryrules.h"
#include "testregistry.h"

#include <QTest>

namespace {

QVariantList codes(const QString &text)
{
    return charCodes(text) << 0;
}

platform::PowerStatus power(std::uint8_t ac, std::uint8_t flag, std::uint32_t lifeTime = 0xFFFFFFFFu)
{
    return platform::PowerStatus{ac, flag, lifeTime};
}

// A laptop on battery power, as the WMI classes describe it.
BatteryRows laptopRows()
{
    BatteryRows rows;
    rows.battery = {{"Name", " DELL 7FHHV8A "},
                    {"EstimatedChargeRemaining", 80},
                    {"DesignVoltage", "11400"},
                    {"Chemistry", 2},
                    {"EstimatedRunTime", 71582788}};
    rows.status = {{"Voltage", 11400},
                   {"DischargeRate", 12345},
                   {"RemainingCapacity", 34000},
                   {"Charging", false},
                   {"PowerOnline", false}};
    rows.staticData = {{"DesignedCapacity", 50000},
                       {"ManufactureName", codes("LGC")},
                       {"DeviceName", codes("DELL 7FHHV8A")}};
    rows.fullCharged = {{"FullChargedCapacity", 42500}};
    rows.cycleCount = {{"CycleCount", 312}};
    return rows;
}

} // namespace

class TestBatteryRules : public QObject {
    Q_OBJECT

private slots:
    void presence_data()
    {
        // -1: the power status call failed
        addColumns<int, bool, bool>("flag", "win32Row", "present");
        QTest::newRow("desktop: no system battery") << 128 << true << false;
        QTest::newRow("unknown status") << 255 << true << false;
        QTest::newRow("charging, high") << 9 << false << true;
        QTest::newRow("flag 0 with a WMI battery") << 0 << true << true;
        QTest::newRow("flag 0 without one") << 0 << false << false;
        QTest::newRow("no power status, WMI battery") << -1 << true << true;
    }

    void presence()
    {
        QFETCH(int, flag);
        QFETCH(bool, win32Row);
        std::optional<platform::PowerStatus> status;
        if (flag >= 0)
            status = power(1, static_cast<std::uint8_t>(flag));
        BatteryRows rows = laptopRows();
        if (!win32Row)
            rows.battery.clear();
        const QVariantMap battery = batteryEntry(rows, status);
        QTEST(battery.value("present").toBool(), "present");
        if (!battery.value("present").toBool())
            QCOMPARE(battery.keys(), QStringList{"present"});
    }

    void capacitiesThatDoNotAddUp()
    {
        BatteryRows rows = laptopRows();
        rows.staticData.insert("DesignedCapacity", 0);
        QVariantMap battery = batteryEntry(rows, power(0, 1));
        for (const char *key : {"designCapacity", "fullCapacity", "wear", "wearValue"})
            QVERIFY2(!battery.contains(key), key);

        // No voltage anywhere: capacities in mWh only.
        rows = laptopRows();
        rows.status.remove("Voltage");
        rows.battery.remove("DesignVoltage");
        battery = batteryEntry(rows, power(0, 1));
        QVERIFY(!battery.contains("voltage"));
        QCOMPARE(battery.value("designCapacity").toString(), QString("50000 mWh"));
        QVERIFY(!battery.contains("designCapacityMah"));

        // The status voltage missing: the design voltage stands in.
        rows.battery.insert("DesignVoltage", "7600");
        QCOMPARE(batteryEntry(rows, power(0, 1)).value("designCapacityMah").toString(), QString("6579 mAh"));
    }

    // The recorded batteries show the other texts.
    void statusAndPowerFlow()
    {
        QCOMPARE(batteryStatusText(false, true, 98), QString("Đã cắm sạc (giữ mức)"));
        QCOMPARE(batteryStatusText(false, true, 99), QString("Đã sạc đầy"));
        QCOMPARE(powerFlowText(false, 45000, 0), QString());
        QCOMPARE(powerFlowText(true, -5, -5), QString());
    }

    void acFromEitherSource()
    {
        BatteryRows rows = laptopRows();
        QVariantMap battery = batteryEntry(rows, power(1, 8, 5400));
        QCOMPARE(battery.value("acConnected").toBool(), true);
        QCOMPARE(battery.value("status").toString(), QString("Đã cắm sạc (giữ mức)"));
        QVERIFY(!battery.contains("runtime"));

        // No ROOT\WMI at all: the power status and Win32_Battery alone.
        rows.status.clear();
        rows.staticData.clear();
        rows.fullCharged.clear();
        rows.cycleCount.clear();
        battery = batteryEntry(rows, power(0, 2));
        QCOMPARE(battery.value("acConnected").toBool(), false);
        QCOMPARE(battery.value("voltage").toString(), QString("11.40 V"));
        for (const char *key : {"designCapacity", "wear", "cycleCount", "manufacturer", "model", "powerFlow"})
            QVERIFY2(!battery.contains(key), key);
    }

    void runTime()
    {
        QCOMPARE(runtimeMinutes(power(0, 1, 5400), 10), 90);
        QCOMPARE(runtimeMinutes(power(0, 1, 0xFFFFFFFFu), 71582788), 0);
        QCOMPARE(runtimeMinutes(power(0, 1, 0), 71582787), 71582787);
    }

    void chemistry_data()
    {
        addColumns<QVariant, int, QString>("staticCode", "win32Code", "name");
        QTest::newRow("Li-I") << QVariant(codes(" Li-I")) << 2 << "Lithium-ion (Li-ion)";
        QTest::newRow("LiP upper-cased") << QVariant(codes("LiP")) << 2 << "Lithium Polymer (Li-Po)";
        QTest::newRow("static code wins") << QVariant(codes("NiMH")) << 6 << "Nickel-Metal Hydride (NiMH)";
        QTest::newRow("unknown code shown upper-cased") << QVariant(codes("NiZn")) << 6 << "NIZN";
        QTest::newRow("packed into a number") << QVariant(0x4E4F494C) << 2 << "Lithium-ion (Li-ion)";
        QTest::newRow("packed garbage") << QVariant(0x01FF4142) << 8 << "Lithium Polymer (Li-Po)";
        QTest::newRow("Win32 code 7") << QVariant() << 7 << "Zinc Air";
        QTest::newRow("Win32 unknown") << QVariant() << 2 << QString();
    }

    void chemistry()
    {
        QFETCH(QVariant, staticCode);
        QFETCH(int, win32Code);
        QTEST(chemistryName(staticCode, win32Code), "name");
    }

    void deviceNameFillsAMissingName()
    {
        BatteryRows rows = laptopRows();
        rows.battery.insert("Name", "   ");
        const QVariantMap battery = batteryEntry(rows, power(0, 1));
        QCOMPARE(battery.value("name").toString(), QString("DELL 7FHHV8A"));
        QVERIFY(!battery.contains("model"));
    }
};

KELVARO_TEST(TestBatteryRules)
#include "tst_batteryrules.moc"
