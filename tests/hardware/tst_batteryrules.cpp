#include "hardware/batteryrules.h"
#include "testregistry.h"

#include <QTest>

namespace {

QVariantList codes(const QString &text)
{
    QVariantList list;
    for (const QChar c : text)
        list << int(c.unicode());
    return list << 0;
}

platform::PowerStatus power(std::uint8_t ac, std::uint8_t flag, std::uint32_t lifeTime = 0xFFFFFFFFu)
{
    platform::PowerStatus status;
    status.acLineStatus = ac;
    status.batteryFlag = flag;
    status.batteryLifeTime = lifeTime;
    return status;
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
    rows.status = {{"Voltage", 11400},           {"ChargeRate", 0},   {"DischargeRate", 12345},
                   {"RemainingCapacity", 34000}, {"Charging", false}, {"Discharging", true},
                   {"PowerOnline", false}};
    rows.staticData = {{"DesignedCapacity", 50000},
                       {"ManufactureName", codes("LGC")},
                       {"SerialNumber", codes("2543")},
                       {"DeviceName", codes("DELL 7FHHV8A")},
                       {"Chemistry", codes("LiP")}};
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
        QTest::addColumn<int>("flag"); // -1: the power status call failed
        QTest::addColumn<bool>("win32Row");
        QTest::addColumn<bool>("present");
        QTest::newRow("desktop: no system battery") << 128 << true << false;
        QTest::newRow("unknown status") << 255 << true << false;
        QTest::newRow("charging, high") << 9 << false << true;
        QTest::newRow("flag 0 with a WMI battery") << 0 << true << true;
        QTest::newRow("flag 0 without one") << 0 << false << false;
        QTest::newRow("no power status, WMI battery") << -1 << true << true;
        QTest::newRow("no power status, nothing") << -1 << false << false;
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

    void wornLaptopOnBattery()
    {
        const QVariantMap battery = batteryEntry(laptopRows(), power(0, 1, 5400));
        QCOMPARE(battery.value("name").toString(), QString("DELL 7FHHV8A"));
        QCOMPARE(battery.value("model").toString(), QString("DELL 7FHHV8A"));
        QCOMPARE(battery.value("charge").toString(), QString("80%"));
        QCOMPARE(battery.value("status").toString(), QString("Đang dùng pin"));
        QCOMPARE(battery.value("acPower").toString(), QString("Chạy bằng pin (DC)"));
        QCOMPARE(battery.value("voltage").toString(), QString("11.40 V"));
        QCOMPARE(battery.value("powerFlow").toString(), QString("-12.3 W (đang xả)"));
        QCOMPARE(battery.value("cycleCount").toInt(), 312);
        QCOMPARE(battery.value("manufacturer").toString(), QString("LGC"));
        QCOMPARE(battery.value("serial").toString(), QString("2543"));
        QCOMPARE(battery.value("chemistry").toString(), QString("Lithium Polymer (Li-Po)"));
        QCOMPARE(battery.value("designCapacity").toString(), QString("50000 mWh"));
        QCOMPARE(battery.value("designCapacityMah").toString(), QString("4386 mAh"));
        QCOMPARE(battery.value("fullCapacity").toString(), QString("42500 mWh"));
        QCOMPARE(battery.value("fullCapacityMah").toString(), QString("3728 mAh"));
        QCOMPARE(battery.value("remainingCapacity").toString(), QString("34000 mWh"));
        QCOMPARE(battery.value("remainingCapacityMah").toString(), QString("2982 mAh"));
        QCOMPARE(battery.value("wear").toString(), QString("15.0%"));
        QVERIFY(qFuzzyCompare(battery.value("wearValue").toDouble(), 15.0));
        QCOMPARE(battery.value("runtime").toString(), QString("1 giờ 30 phút"));
    }

    void capacitiesThatDoNotAddUp()
    {
        BatteryRows rows = laptopRows();
        rows.fullCharged = {{"FullChargedCapacity", 51200}};
        QVariantMap battery = batteryEntry(rows, power(0, 1));
        QCOMPARE(battery.value("wear").toString(), QString("0.0%"));
        QCOMPARE(battery.value("wearValue").toDouble(), 0.0);

        rows.staticData.insert("DesignedCapacity", 0);
        battery = batteryEntry(rows, power(0, 1));
        for (const char *key : {"designCapacity", "designCapacityMah", "fullCapacity", "wear", "wearValue"})
            QVERIFY2(!battery.contains(key), key);

        // No voltage anywhere: capacities in mWh only.
        rows = laptopRows();
        rows.status.remove("Voltage");
        rows.battery.remove("DesignVoltage");
        battery = batteryEntry(rows, power(0, 1));
        QVERIFY(!battery.contains("voltage"));
        QCOMPARE(battery.value("designCapacity").toString(), QString("50000 mWh"));
        QVERIFY(!battery.contains("designCapacityMah"));
        QVERIFY(!battery.contains("fullCapacityMah"));

        // The status voltage missing: the design voltage stands in.
        rows = laptopRows();
        rows.status.insert("Voltage", 0);
        rows.battery.insert("DesignVoltage", "7600");
        QCOMPARE(batteryEntry(rows, power(0, 1)).value("voltage").toString(), QString("7.60 V"));
    }

    void statusTexts_data()
    {
        QTest::addColumn<bool>("charging");
        QTest::addColumn<bool>("ac");
        QTest::addColumn<int>("charge");
        QTest::addColumn<QString>("status");
        QTest::newRow("charging") << true << true << 40 << "Đang sạc";
        QTest::newRow("on battery") << false << false << 100 << "Đang dùng pin";
        QTest::newRow("held below full") << false << true << 80 << "Đã cắm sạc (giữ mức)";
        QTest::newRow("full") << false << true << 100 << "Đã sạc đầy";
        QTest::newRow("99 counts as full") << false << true << 99 << "Đã sạc đầy";
    }

    void statusTexts()
    {
        QFETCH(bool, charging);
        QFETCH(bool, ac);
        QFETCH(int, charge);
        QTEST(batteryStatusText(charging, ac, charge), "status");
    }

    void acFromEitherSource()
    {
        BatteryRows rows = laptopRows();
        rows.status.insert("PowerOnline", false);
        QVariantMap battery = batteryEntry(rows, power(1, 8));
        QCOMPARE(battery.value("acConnected").toBool(), true);
        QCOMPARE(battery.value("acPower").toString(), QString("Đang cắm nguồn (AC)"));
        QVERIFY(!battery.contains("runtime"));

        // No ROOT\WMI at all: the power status alone.
        rows.status.clear();
        rows.staticData.clear();
        rows.fullCharged.clear();
        rows.cycleCount.clear();
        battery = batteryEntry(rows, power(0, 2));
        QCOMPARE(battery.value("acConnected").toBool(), false);
        QCOMPARE(battery.value("charging").toBool(), false);
        QCOMPARE(battery.value("voltage").toString(), QString("11.40 V"));
        for (const char *key : {"designCapacity", "wear", "cycleCount", "manufacturer", "serial", "model"})
            QVERIFY2(!battery.contains(key), key);
    }

    void powerFlow()
    {
        QCOMPARE(powerFlowText(true, 45000, 0), QString("+45.0 W (đang nạp)"));
        QCOMPARE(powerFlowText(false, 0, 12345), QString("-12.3 W (đang xả)"));
        QCOMPARE(powerFlowText(false, 45000, 0), QString());
        QCOMPARE(powerFlowText(true, 0, 0), QString());
        QCOMPARE(powerFlowText(true, -5, -5), QString());
    }

    void runTime()
    {
        QCOMPARE(runtimeMinutes(power(0, 1, 5400), 10), 90);
        QCOMPARE(runtimeMinutes(power(0, 1, 0xFFFFFFFFu), 71582788), 0);
        QCOMPARE(runtimeMinutes(power(0, 1, 0), 71582787), 71582787);
        QCOMPARE(runtimeMinutes(std::nullopt, 125), 125);

        BatteryRows rows = laptopRows();
        rows.battery.insert("EstimatedRunTime", 125);
        QCOMPARE(batteryEntry(rows, std::nullopt).value("runtime").toString(), QString("2 giờ 5 phút"));
    }

    void chemistry_data()
    {
        QTest::addColumn<QVariant>("staticCode");
        QTest::addColumn<int>("win32Code");
        QTest::addColumn<QString>("name");
        QTest::newRow("LION") << QVariant(codes("LION")) << 2 << "Lithium-ion (Li-ion)";
        QTest::newRow("Li-I") << QVariant(codes(" Li-I")) << 2 << "Lithium-ion (Li-ion)";
        QTest::newRow("LiP upper-cased") << QVariant(codes("LiP")) << 2 << "Lithium Polymer (Li-Po)";
        QTest::newRow("LiPo") << QVariant(codes("LiPo")) << 6 << "Lithium Polymer (Li-Po)";
        QTest::newRow("NiMH") << QVariant(codes("NiMH")) << 2 << "Nickel-Metal Hydride (NiMH)";
        QTest::newRow("PbAc") << QVariant(codes("PbAc")) << 2 << "Lead Acid";
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
