#include "datarow.h"
#include "hardware/diskrules.h"
#include "testregistry.h"

#include <QTest>

Q_DECLARE_METATYPE(SmartReading)

namespace {

SmartReading validProbe(int health, int temperature = -1, qint64 hours = -1)
{
    SmartReading probe;
    probe.valid = true;
    probe.health = health;
    probe.temperature = temperature;
    probe.powerOnHours = hours;
    return probe;
}

const QVariantMap kDrive{{"Model", "WDC WD10EZEX-08WN4A0"}, {"Size", "1000202273280"}, {"Index", 0}};

} // namespace

class TestDiskRules : public QObject {
    Q_OBJECT

private slots:
    void brand_data()
    {
        addColumns<QString, QString>("model", "brand");
        addRow("SK HYNIX before HYNIX, same maker", "SK hynix PC711 NVMe", "SK hynix");
        addRow("left column before the right", "PATRIOT P210 by INTEL", "Intel");
        addRow("prefix after trimming", "  st500lm012  ", "Seagate");
        addRow("first word up to underscore", "Foo_Bar 123", "Foo");
        addRow("whole model without separator", "HFM512GD3JX013N", "HFM512GD3JX013N");
        addRow("empty", "", "");
    }

    void brand()
    {
        QFETCH(QString, model);
        QTEST(diskBrand(model), "brand");
    }

    void reconcile_data()
    {
        addColumns<QString, QString, QString, QString, QString, QString, QString>(
            "wmiModel", "wmiSerial", "idModel", "idSerial", "model", "serial", "firmware");
        addRow("ATA Device is generic", "ST1000 ATA Device", "X", "ST1000DM010", "Y", "ST1000DM010", "Y",
               "ID-FW");
        addRow("empty WMI model is generic", "", "", "CT500", "C1", "CT500", "C1", "ID-FW");
        addRow("specific WMI model wins", "SAMSUNG MZVLB256", "W1", "Other", "I1", "SAMSUNG MZVLB256", "W1",
               "WMI-FW");
        addRow("missing WMI serial filled", "SAMSUNG MZVLB256", "", "Other", "I1", "SAMSUNG MZVLB256", "I1",
               "WMI-FW");
        addRow("generic, but the drive gave no serial", "ATA Device", "", "Other", "", "Other", "", "WMI-FW");
    }

    void reconcile()
    {
        QFETCH(QString, wmiModel);
        QFETCH(QString, wmiSerial);
        QFETCH(QString, idModel);
        QFETCH(QString, idSerial);
        SmartReading probe;
        probe.model = idModel;
        probe.serial = idSerial;
        probe.firmware = idSerial.isEmpty() ? QString() : QStringLiteral("ID-FW");
        const DiskIdentity identity =
            reconcileDiskIdentity(wmiModel, wmiSerial, QStringLiteral("WMI-FW"), probe);
        QTEST(identity.model, "model");
        QTEST(identity.serial, "serial");
        QTEST(identity.firmware, "firmware");
    }

    void health_data()
    {
        // -1: key absent
        addColumns<QVariantMap, QVariantMap, SmartReading, QString, int>("physical", "counter", "probe",
                                                                         "text", "percent");

        const QVariantMap none;
        const QVariantMap warning{{"DeviceId", "0"}, {"HealthStatus", 1}};
        const QVariantMap failed{{"DeviceId", "0"}, {"HealthStatus", 2}};
        const QVariantMap healthy{{"DeviceId", "0"}, {"HealthStatus", 0}};
        QTest::newRow("nothing known") << none << none << SmartReading() << "Không đọc được SMART" << -1;
        QTest::newRow("storage class warning") << warning << none << SmartReading() << "Cảnh báo" << 50;
        QTest::newRow("storage class failure") << failed << none << SmartReading() << "Lỗi" << 20;
        QTest::newRow("storage class healthy, no number") << healthy << none << SmartReading() << "Tốt" << -1;
        QTest::newRow("row without HealthStatus says nothing")
            << QVariantMap{{"DeviceId", "0"}, {"MediaType", 4}} << none << SmartReading()
            << "Không đọc được SMART" << -1;
        QTest::newRow("unknown HealthStatus code")
            << QVariantMap{{"HealthStatus", 5}} << none << SmartReading() << "Không đọc được SMART" << -1;
        QTest::newRow("wear 12") << none << QVariantMap{{"Wear", 12}} << SmartReading() << "Tốt" << 88;
        QTest::newRow("wear as text") << none << QVariantMap{{"Wear", "75"}} << SmartReading() << "Lỗi" << 25;
        QTest::newRow("wear above 100 ignored")
            << warning << QVariantMap{{"Wear", 150}} << SmartReading() << "Cảnh báo" << 50;
        QTest::newRow("negative wear ignored")
            << none << QVariantMap{{"Wear", -3}} << SmartReading() << "Không đọc được SMART" << -1;
        QTest::newRow("probe over storage class")
            << healthy << QVariantMap{{"Wear", 0}} << validProbe(45) << "Cảnh báo" << 45;
        QTest::newRow("probe 60 is good") << failed << none << validProbe(60) << "Tốt" << 60;
        QTest::newRow("probe 59 warns") << none << none << validProbe(59) << "Cảnh báo" << 59;
        QTest::newRow("probe 30 warns") << none << none << validProbe(30) << "Cảnh báo" << 30;
        QTest::newRow("probe 29 fails") << none << none << validProbe(29) << "Lỗi" << 29;
        QTest::newRow("probe 0 is a number") << healthy << none << validProbe(0) << "Lỗi" << 0;
        SmartReading identifyOnly;
        identifyOnly.model = QStringLiteral("X");
        identifyOnly.media = 0;
        QTest::newRow("IDENTIFY alone: wear decides")
            << none << QVariantMap{{"Wear", 40}} << identifyOnly << "Tốt" << 60;
    }

    void health()
    {
        QFETCH(QVariantMap, physical);
        QFETCH(QVariantMap, counter);
        QFETCH(SmartReading, probe);
        QFETCH(int, percent);
        const QVariantMap disk = diskEntry(kDrive, physical, counter, probe);
        QTEST(disk.value("health").toString(), "text");
        QCOMPARE(disk.contains("healthPercent"), percent >= 0);
        if (percent >= 0)
            QCOMPARE(disk.value("healthPercent"), QVariant(percent));
    }

    void mediaType_data()
    {
        addColumns<int, QVariant, QString>("probeMedia", "storageMedia", "mediaType");
        QTest::newRow("drive says solid state") << 1 << QVariant(3) << "SSD";
        QTest::newRow("drive says rotating") << 0 << QVariant(4) << "HDD";
        QTest::newRow("storage class HDD") << -1 << QVariant(3) << "HDD";
        QTest::newRow("unspecified") << -1 << QVariant(0) << "";
    }

    void mediaType()
    {
        QFETCH(int, probeMedia);
        QFETCH(QVariant, storageMedia);
        SmartReading probe;
        probe.media = probeMedia;
        QVariantMap physical{{"DeviceId", "0"}};
        if (storageMedia.isValid())
            physical.insert("MediaType", storageMedia);
        QTEST(diskEntry(kDrive, physical, {}, probe).value("mediaType").toString(), "mediaType");
    }

    void hoursAndTemperatureFallBackToTheCounter()
    {
        const QVariantMap counter{{"PowerOnHours", 1200}, {"Temperature", 41}};
        QVariantMap disk = diskEntry(kDrive, {}, counter, validProbe(90, 33, 9858));
        QCOMPARE(disk.value("powerOnHours").toString(), QStringLiteral("9858 giờ"));
        QCOMPARE(disk.value("temperature").toString(), QStringLiteral("33 °C"));

        // A valid reading without those counters, and a reading that is not valid at all.
        disk = diskEntry(kDrive, {}, counter, validProbe(90));
        QCOMPARE(disk.value("powerOnHours").toString(), QStringLiteral("1200 giờ"));
        QCOMPARE(disk.value("temperature").toString(), QStringLiteral("41 °C"));
        SmartReading stale;
        stale.temperature = 70;
        stale.powerOnHours = 5;
        disk = diskEntry(kDrive, {}, counter, stale);
        QCOMPARE(disk.value("powerOnHours").toString(), QStringLiteral("1200 giờ"));
        QCOMPARE(disk.value("temperature").toString(), QStringLiteral("41 °C"));

        disk = diskEntry(kDrive, {}, {{"Temperature", 0}}, validProbe(90, 0, 0));
        QVERIFY(!disk.contains("powerOnHours"));
        QVERIFY(!disk.contains("temperature"));
    }

    void rowsMatchByDeviceNumber()
    {
        const QList<QVariantMap> rows{{{"MediaType", 3}},
                                      {{"DeviceId", "x"}, {"MediaType", 5}},
                                      {{"DeviceId", " 1 "}, {"MediaType", 4}},
                                      {{"DeviceId", "1"}, {"MediaType", 3}}};
        QCOMPARE(rowForDevice(rows, 1).value("MediaType"), QVariant(4));
        QVERIFY(rowForDevice(rows, 0).isEmpty()); // neither a missing nor a non-numeric id is disk 0
        QCOMPARE(diskIndex({{"Index", 2}}), 2);
        QCOMPARE(diskIndex({{"Model", "no index"}}), -1);
        QCOMPARE(diskIndex({{"Index", "junk"}}), -1);
    }

    void logLineStaysOnOneLine()
    {
        SmartReading probe;
        probe.model = QStringLiteral("Samsung SSD 850 EVO 120GB");
        probe.media = 1;
        const QVariantMap drive{{"Model", "SCSI Disk Device\r\nDISK9 forged"}, {"Size", "120031511040"}};
        QCOMPARE(
            diskLogLine(0, drive, probe),
            QStringLiteral("DISK0 wmiModel='SCSI Disk Device  DISK9 forged' idModel='Samsung SSD 850 EVO "
                           "120GB' wmiSerial='' idSerial='' wmiFw='' idFw='' media=1 size=112 GB"));
    }
};

KELVARO_TEST(TestDiskRules)
#include "tst_diskrules.moc"
