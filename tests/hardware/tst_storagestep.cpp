#include "maptext.h"
#include "platform/linux/linux_source.h"
#include "steprun.h"
#include "sysroots.h"
#include "testregistry.h"
#include "warningcapture.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

namespace {

QStringList linesStarting(const char *prefix)
{
    return WarningCapture::lines().filter(QRegularExpression(QLatin1Char('^') + QLatin1String(prefix)));
}

platform::linuxbackend::LinuxSource mixedTree()
{
    return platform::linuxbackend::LinuxSource(testSysRoot(QStringLiteral("sysroots/storage-mixed")));
}

} // namespace

class TestStorageStep : public QObject {
    Q_OBJECT

private slots:
    void laptopProfile()
    {
        const auto source = replayProfile(QStringLiteral("profiles/storage-laptop.json"));
        QVERIFY(source);
        WarningCapture log;
        const QVariantList disks = runStep(*source, collectDisks);
        QCOMPARE(disks.size(), 4);
        // Behind a RAID-mode driver: WMI only knows "SCSI Disk Device"; the drive knows itself.
        QCOMPARE(mapText(disks[0]),
                 QString("capacity=112 GB; firmware=EMT02B6Q; health=Tốt; healthPercent=97; interface=SCSI; "
                         "manufacturer=Samsung; mediaType=SSD; model=Samsung SSD 850 EVO 120GB; "
                         "powerOnHours=9674 giờ; serial=LHW14EF982D64F3; temperature=32 °C"));
        // NVMe: WMI names it properly and keeps its serial; the health log beats the counter's wear.
        QCOMPARE(mapText(disks[1]),
                 QString("capacity=238 GB; firmware=EXD7201Q; health=Tốt; healthPercent=99; interface=SCSI; "
                         "manufacturer=Samsung; mediaType=SSD; model=SAMSUNG MZVLB256HAHQ-00000; "
                         "powerOnHours=415 giờ; serial=0025_3881_91B4_1A2C.; temperature=35 °C"));
        // A failing disk in a USB enclosure that Windows still calls healthy.
        QCOMPARE(mapText(disks[2]),
                 QString("capacity=1.36 TB; firmware=80.00A80; health=Lỗi; healthPercent=1; interface=USB; "
                         "manufacturer=Western Digital; mediaType=HDD; model=WDC WD15EARS-00Z5B1; "
                         "powerOnHours=9408 giờ; serial=LHW4DD5C3BE3F67; temperature=36 °C"));
        // A card reader: opened, nothing answered, nothing known.
        QCOMPARE(mapText(disks[3]),
                 QString("capacity=29.7 GB; firmware=1.00; health=Không đọc được SMART; interface=USB; "
                         "manufacturer=Generic; model=Generic- SD/MMC USB Device"));

        const QStringList diskLines = linesStarting("DISK");
        QCOMPARE(diskLines.size(), 4);
        QCOMPARE(diskLines[0],
                 QStringLiteral("DISK0 wmiModel='SCSI Disk Device' idModel='Samsung SSD 850 EVO 120GB' "
                                "wmiSerial='' idSerial='LHW14EF982D64F3' wmiFw='EMT0' idFw='EMT02B6Q' "
                                "media=1 size=112 GB"));
        QCOMPARE(linesStarting("SMART drive").size(), 2);
    }

    void withoutStorageNamespace()
    {
        auto data = std::make_shared<ProfileData>();
        data->wmi["ROOT\\CIMV2"]["Win32_DiskDrive"] = {
            {{"Model", std::string("ST1000DM010-2EP102")},
             {"Size", std::string("1000204886016")},
             {"Index", 0}},
            {{"Model", std::string("SCSI Disk Device")}, {"Size", std::string("500107862016")}}};
        data->drives[0] = platform::DrivePages{true, std::nullopt, testPage("smart/ST1000DM010_identify.bin"),
                                               testPage("smart/ST1000DM010_smart.bin")};
        ReplaySource source(data);

        const QVariantList disks = runStep(source, collectDisks);
        QCOMPARE(disks.size(), 2);
        QCOMPARE(
            mapText(disks[0]),
            QString("capacity=932 GB; firmware=CC46; health=Tốt; healthPercent=100; "
                    "manufacturer=Seagate; mediaType=HDD; model=ST1000DM010-2EP102; powerOnHours=65 giờ; "
                    "serial=LHW10BFAAA23A21; temperature=36 °C"));
        // A row without Index must not borrow drive 0's answers.
        QCOMPARE(mapText(disks[1]),
                 QString("capacity=466 GB; health=Không đọc được SMART; manufacturer=SCSI; "
                         "model=SCSI Disk Device"));
    }

    // A recorded Linux tree: NVMe, SATA SSD, USB disk, eMMC and a virtual disk, among block devices
    // that are not disks of their own.
    void linuxTree()
    {
        auto source = mixedTree();
        WarningCapture log;
        const QVariantList disks = runStep(source, collectDisks);
        QCOMPARE(disks.size(), 5);
        QCOMPARE(disks[0].toMap().value("model").toString(), QString("DA4064"));
        QCOMPARE(mapText(disks[1]),
                 QString("capacity=238 GB; firmware=211210WD; health=Không đọc được SMART; interface=NVMe; "
                         "manufacturer=Western Digital; mediaType=SSD; model=WDC WDS500G2B0C-00PXH0; "
                         "serial=LHW291729213AB6; temperature=45 °C"));
        // The kernel's IDENTIFY copy gives the whole model, its serial and firmware, and the media.
        QCOMPARE(mapText(disks[2]),
                 QString("capacity=112 GB; firmware=EMT02B6Q; health=Không đọc được SMART; interface=IDE; "
                         "manufacturer=Samsung; mediaType=SSD; model=Samsung SSD 850 EVO 120GB; "
                         "serial=LHW14EF982D64F3; temperature=31 °C"));
        // A USB bridge's rotational flag proves nothing.
        QCOMPARE(mapText(disks[3]),
                 QString("capacity=1.82 TB; firmware=0710; health=Không đọc được SMART; interface=USB; "
                         "manufacturer=Seagate; model=Seagate Expansion HDD; serial=NAAB12CD"));
        QCOMPARE(mapText(disks[4]), QString("capacity=256 GB; health=Không đọc được SMART; interface=SCSI"));
        QCOMPARE(linesStarting("DISK").size(), 5);
    }

    void linuxTreeStorageClasses()
    {
        auto source = mixedTree();
        WmiConnection storage(source);
        QVERIFY(storage.open(QStringLiteral("ROOT\\Microsoft\\Windows\\Storage")));
        const QList<QVariantMap> physical = storage.query(
            QStringLiteral("SELECT DeviceId, MediaType, BusType, HealthStatus FROM MSFT_PhysicalDisk"));
        const QList<QVariantMap> expected{{{"DeviceId", "0"}, {"MediaType", 4}, {"BusType", 13}},
                                          {{"DeviceId", "1"}, {"MediaType", 4}, {"BusType", 17}},
                                          {{"DeviceId", "2"}, {"MediaType", 4}, {"BusType", 11}},
                                          {{"DeviceId", "3"}, {"MediaType", 0}, {"BusType", 7}},
                                          {{"DeviceId", "4"}, {"MediaType", 0}, {"BusType", 1}}};
        QCOMPARE(physical, expected);

        WmiConnection cimv2(source);
        QVERIFY(cimv2.open(QStringLiteral("ROOT\\CIMV2")));
        const QList<QVariantMap> drives =
            cimv2.query(QStringLiteral("SELECT Index, Size, Partitions, MediaType FROM Win32_DiskDrive"));
        QCOMPARE(drives.size(), 5);
        QCOMPARE(drives[1], (QVariantMap{{"Index", 1},
                                         {"Size", "256060514304"},
                                         {"Partitions", 3},
                                         {"MediaType", "Fixed hard disk media"}}));
    }

    void linuxDrivePagesWithoutPrivileges()
    {
        auto source = mixedTree();
        const platform::DrivePages sata = source.readDrive(2);
        QVERIFY(sata.opened);
        QVERIFY(sata.identify && sata.identify->size() == 512);
        QVERIFY(!sata.smartData && !sata.nvmeHealthLog);
        for (const int index : {-1, 0, 1, 3, 4, 5, 1000}) {
            const platform::DrivePages pages = source.readDrive(index);
            QVERIFY2(!pages.opened && !pages.identify && !pages.smartData && !pages.nvmeHealthLog,
                     qPrintable(QString::number(index)));
        }
    }

    // The running system: every whole disk once, with its size; whatever cannot be read says so.
    void liveSystem()
    {
        if (!QDir(QStringLiteral("/sys/block")).exists())
            QSKIP("no /sys/block here");
        platform::linuxbackend::LinuxSource source{platform::linuxbackend::SysRoot("/")};
        for (const QVariant &item : runStep(source, collectDisks)) {
            const QVariantMap disk = item.toMap();
            qInfo().noquote() << mapText(disk);
            QVERIFY(!disk.value("capacity").toString().isEmpty());
            QVERIFY(!disk.value("health").toString().isEmpty());
            if (disk.value("health") == QStringLiteral("Không đọc được SMART"))
                QVERIFY(!disk.contains("healthPercent"));
        }
    }
};

KELVARO_TEST(TestStorageStep)
#include "tst_storagestep.moc"
