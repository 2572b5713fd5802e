#include "datarow.h"
#include "hardware/profile/replaysource.h"
#include "hardware/systemrules.h"
#include "hardware/textformats.h"
#include "hardware/windowscollector.h"
#include "maptext.h"
#include "testregistry.h"

#include <QTest>

namespace {

// A machine that answers only what the system step asks.
HardwareSnapshot scan(const std::optional<platform::PowerStatus> &power, const platform::Rows &batteries,
                      const platform::IntList &chassis)
{
    auto data = std::make_shared<ProfileData>();
    auto &cimv2 = data->wmi["ROOT\\CIMV2"];
    cimv2["Win32_Battery"] = batteries;
    if (!chassis.empty())
        cimv2["Win32_SystemEnclosure"] = {platform::Row{{"ChassisTypes", chassis}}};
    data->powerStatus = power;
    WindowsCollector collector(std::make_shared<ReplaySource>(data));
    return collector.collect({});
}

platform::PowerStatus flag(std::uint8_t batteryFlag)
{
    platform::PowerStatus status;
    status.batteryFlag = batteryFlag;
    return status;
}

} // namespace

class TestSystemRules : public QObject {
    Q_OBJECT

private slots:
    void deviceTypeFromChassisAndBattery_data()
    {
        addColumns<QVariant, bool, QString>("chassis", "battery", "type");
        QTest::newRow("notebook without battery") << QVariant(QVariantList{10}) << false << "Laptop";
        QTest::newRow("desktop with battery") << QVariant(QVariantList{3}) << true << "Laptop";
        QTest::newRow("desktop") << QVariant(QVariantList{3}) << false << "Desktop";
        QTest::newRow("unknown chassis") << QVariant(QVariantList{2}) << false << "";
        QTest::newRow("no chassis") << QVariant() << false << "";
        QTest::newRow("only the first code counts") << QVariant(QVariantList{3, 10}) << false << "Desktop";
        QTest::newRow("all in one") << QVariant(QVariantList{13}) << false << "All-in-One";
    }

    void deviceTypeFromChassisAndBattery()
    {
        QFETCH(QVariant, chassis);
        QFETCH(bool, battery);
        QFETCH(QString, type);
        QCOMPARE(deviceType(chassis, battery), type);
    }

    // 128 (no battery) and 255 (unknown) both leave it to Win32_Battery.
    void batteryFromPowerStatusThenWmi()
    {
        const platform::Rows none, one{platform::Row{}};
        const auto type = [](const std::optional<platform::PowerStatus> &power,
                             const platform::Rows &batteries, const platform::IntList &chassis) {
            return scan(power, batteries, chassis).system.value("deviceType");
        };
        QCOMPARE(type(flag(0), none, {3}), QVariant("Laptop"));
        QCOMPARE(type(flag(8), none, {3}), QVariant("Laptop"));
        QCOMPARE(type(flag(128), none, {3}), QVariant("Desktop"));
        QCOMPARE(type(flag(255), one, {3}), QVariant("Laptop"));
        QCOMPARE(type(std::nullopt, one, {3}), QVariant("Laptop"));
        QVERIFY(!type(flag(255), none, {2}).isValid());
    }

    void dateText()
    {
        QCOMPARE(::dateText("20220124000000.000000+000"), QString("2022-01-24"));
        QCOMPARE(::dateText("20190815"), QString("2019-08-15"));
        QVERIFY(::dateText("2019081").isEmpty());
    }

    // The recorded trees show the known answers; unknown or missing ones show nothing, and the TPM
    // shows its family only.
    void firmwareTexts()
    {
        QVERIFY(firmwareText(3u).isEmpty() && firmwareText(std::nullopt).isEmpty());
        QVERIFY(secureBootText(std::nullopt).isEmpty());
        QCOMPARE(tpmText(" 1.2 , 2, 3"), QString("TPM 1.2"));
        QVERIFY(tpmText("").isEmpty() && tpmText(", 0, 1.38").isEmpty());
    }

    void systemMapTrimsAndLeavesEmptyKeysOut()
    {
        SystemRows rows;
        rows.computer = {
            {"Manufacturer", "  LENOVO "}, {"Model", "20RA0016CY"}, {"SystemFamily", " ThinkPad E14 "}};
        rows.bios = {{"ReleaseDate", "20200107000000.000000+000"}, {"SerialNumber", "   "}};
        rows.os = {{"InstallDate", "2023"}, {"Caption", "Microsoft Windows 11 Pro"}};
        rows.tpm = {{"SpecVersion", "2.0, 0, 1.38"}};
        SystemFacts facts;
        facts.firmwareType = 2;
        QCOMPARE(mapText(buildSystemMap(rows, facts)),
                 QString("biosDate=2020-01-07; family=ThinkPad E14; firmware=UEFI; manufacturer=LENOVO; "
                         "model=20RA0016CY; osName=Microsoft Windows 11 Pro; tpm=TPM 2.0"));
        QVERIFY(buildSystemMap(SystemRows{}, SystemFacts{}).isEmpty());
    }
};

KELVARO_TEST(TestSystemRules)
#include "tst_systemrules.moc"
