#include "hardware/profile/profilejson.h"
#include "hardware/profile/replaysource.h"
#include "hardware/windowscollector.h"
#include "platform/linux/linux_source.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

// Collects the warnings logged while it lives.
class LogCapture {
public:
    LogCapture()
    {
        lines().clear();
        m_previous = qInstallMessageHandler(handler);
    }
    ~LogCapture() { qInstallMessageHandler(m_previous); }
    static QStringList &lines()
    {
        static QStringList captured;
        return captured;
    }

private:
    static void handler(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        if (type == QtWarningMsg)
            lines().append(text);
    }
    QtMessageHandler m_previous = nullptr;
};

QVariantList collectFrom(platform::Source &source)
{
    WmiConnection cimv2(source);
    if (!cimv2.open(QStringLiteral("ROOT\\CIMV2")))
        return {};
    return collectDisks(CollectContext{source, cimv2});
}

platform::Page readTestPage(const char *name)
{
    QFile file(QStringLiteral(KELVARO_TEST_DATA "/smart/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return platform::Page(bytes.begin(), bytes.end());
}

QString sysroot(const char *name)
{
    return QStringLiteral(KELVARO_TEST_DATA "/sysroots/") + QLatin1String(name);
}

} // namespace

class TestStorageStep : public QObject {
    Q_OBJECT

private slots:
    void laptopProfile()
    {
        const ProfileParse parsed =
            readProfile(QStringLiteral(KELVARO_TEST_DATA "/profiles/storage-laptop.json"));
        QVERIFY2(parsed.data, qPrintable(parsed.error));
        ReplaySource source(std::make_shared<const ProfileData>(*parsed.data));

        LogCapture log;
        const QVariantList disks = collectFrom(source);
        QCOMPARE(disks.size(), 4);

        // Behind a RAID-mode driver: WMI only knows "SCSI Disk Device"; the drive knows itself.
        QCOMPARE(disks[0].toMap(), (QVariantMap{{"capacity", "112 GB"},
                                                {"interface", "SCSI"},
                                                {"model", "Samsung SSD 850 EVO 120GB"},
                                                {"serial", "LHW14EF982D64F3"},
                                                {"firmware", "EMT02B6Q"},
                                                {"manufacturer", "Samsung"},
                                                {"mediaType", "SSD"},
                                                {"health", "Tốt"},
                                                {"healthPercent", 97},
                                                {"powerOnHours", "9674 giờ"},
                                                {"temperature", "32 °C"}}));
        // NVMe: WMI names it properly and keeps its serial; the health log beats the counter's wear.
        QCOMPARE(disks[1].toMap(), (QVariantMap{{"capacity", "238 GB"},
                                                {"interface", "SCSI"},
                                                {"model", "SAMSUNG MZVLB256HAHQ-00000"},
                                                {"serial", "0025_3881_91B4_1A2C."},
                                                {"firmware", "EXD7201Q"},
                                                {"manufacturer", "Samsung"},
                                                {"mediaType", "SSD"},
                                                {"health", "Tốt"},
                                                {"healthPercent", 99},
                                                {"powerOnHours", "415 giờ"},
                                                {"temperature", "35 °C"}}));
        // A failing disk in a USB enclosure that Windows still calls healthy.
        QCOMPARE(disks[2].toMap(), (QVariantMap{{"capacity", "1.36 TB"},
                                                {"interface", "USB"},
                                                {"model", "WDC WD15EARS-00Z5B1"},
                                                {"serial", "LHW4DD5C3BE3F67"},
                                                {"firmware", "80.00A80"},
                                                {"manufacturer", "Western Digital"},
                                                {"mediaType", "HDD"},
                                                {"health", "Lỗi"},
                                                {"healthPercent", 1},
                                                {"powerOnHours", "9408 giờ"},
                                                {"temperature", "36 °C"}}));
        // A card reader: opened, nothing answered, nothing known.
        QCOMPARE(disks[3].toMap(), (QVariantMap{{"capacity", "29.7 GB"},
                                                {"interface", "USB"},
                                                {"model", "Generic- SD/MMC USB Device"},
                                                {"firmware", "1.00"},
                                                {"manufacturer", "Generic"},
                                                {"health", "Không đọc được SMART"}}));

        const QStringList diskLines = log.lines().filter(QRegularExpression(QStringLiteral("^DISK")));
        QCOMPARE(diskLines.size(), 4);
        QCOMPARE(diskLines[0],
                 QStringLiteral("DISK0 wmiModel='SCSI Disk Device' idModel='Samsung SSD 850 EVO 120GB' "
                                "wmiSerial='' idSerial='LHW14EF982D64F3' wmiFw='EMT0' idFw='EMT02B6Q' "
                                "media=1 size=112 GB"));
        QCOMPARE(log.lines().filter(QRegularExpression(QStringLiteral("^SMART drive"))).size(), 2);
    }

    void withoutStorageNamespace()
    {
        auto data = std::make_shared<ProfileData>();
        data->wmi["ROOT\\CIMV2"]["Win32_DiskDrive"] = {
            {{"Model", std::string("ST1000DM010-2EP102")},
             {"Size", std::string("1000204886016")},
             {"Index", 0}},
            {{"Model", std::string("SCSI Disk Device")}, {"Size", std::string("500107862016")}}};
        platform::DrivePages pages;
        pages.opened = true;
        pages.identify = readTestPage("ST1000DM010_identify.bin");
        pages.smartData = readTestPage("ST1000DM010_smart.bin");
        data->drives[0] = pages;
        ReplaySource source(data);

        const QVariantList disks = collectFrom(source);
        QCOMPARE(disks.size(), 2);
        const QVariantMap first = disks[0].toMap();
        QCOMPARE(first.value("manufacturer").toString(), QStringLiteral("Seagate"));
        QCOMPARE(first.value("capacity").toString(), QStringLiteral("932 GB"));
        QCOMPARE(first.value("healthPercent"), QVariant(100));
        QCOMPARE(first.value("mediaType").toString(), QStringLiteral("HDD"));
        // A row without Index must not borrow drive 0's answers.
        const QVariantMap second = disks[1].toMap();
        QCOMPARE(second.value("model").toString(), QStringLiteral("SCSI Disk Device"));
        QCOMPARE(second.value("health").toString(), QStringLiteral("Không đọc được SMART"));
        QVERIFY(!second.contains("mediaType"));
    }

    // A recorded Linux tree: NVMe, SATA SSD, USB disk, eMMC and a virtual disk, among block devices
    // that are not disks of their own.
    void linuxTree()
    {
        platform::linuxbackend::LinuxSource source{
            platform::linuxbackend::SysRoot(sysroot("storage-mixed").toStdString())};
        LogCapture log;
        const QVariantList disks = collectFrom(source);
        QStringList models;
        for (const QVariant &disk : disks)
            models << disk.toMap().value("model").toString();
        QCOMPARE(models, (QStringList{"DA4064", "WDC WDS500G2B0C-00PXH0", "Samsung SSD 850 EVO 120GB",
                                      "Seagate Expansion HDD", ""}));

        const QVariantMap nvme = disks[1].toMap();
        QCOMPARE(nvme.value("interface").toString(), QStringLiteral("NVMe"));
        QCOMPARE(nvme.value("capacity").toString(), QStringLiteral("238 GB"));
        QCOMPARE(nvme.value("serial").toString(), QStringLiteral("LHW291729213AB6"));
        QCOMPARE(nvme.value("firmware").toString(), QStringLiteral("211210WD"));
        QCOMPARE(nvme.value("mediaType").toString(), QStringLiteral("SSD"));
        QCOMPARE(nvme.value("temperature").toString(), QStringLiteral("45 °C"));

        // The kernel's IDENTIFY copy gives the whole model, its serial and firmware, and the media.
        const QVariantMap sata = disks[2].toMap();
        QCOMPARE(sata.value("interface").toString(), QStringLiteral("IDE"));
        QCOMPARE(sata.value("serial").toString(), QStringLiteral("LHW14EF982D64F3"));
        QCOMPARE(sata.value("firmware").toString(), QStringLiteral("EMT02B6Q"));
        QCOMPARE(sata.value("mediaType").toString(), QStringLiteral("SSD"));
        QCOMPARE(sata.value("temperature").toString(), QStringLiteral("31 °C"));

        const QVariantMap usb = disks[3].toMap();
        QCOMPARE(usb.value("interface").toString(), QStringLiteral("USB"));
        QCOMPARE(usb.value("serial").toString(), QStringLiteral("NAAB12CD"));
        QCOMPARE(usb.value("capacity").toString(), QStringLiteral("1.82 TB"));
        QVERIFY(!usb.contains("mediaType")); // a USB bridge's rotational flag proves nothing

        const QVariantMap virtualDisk = disks[4].toMap();
        QCOMPARE(virtualDisk.value("interface").toString(), QStringLiteral("SCSI"));
        QCOMPARE(virtualDisk.value("capacity").toString(), QStringLiteral("256 GB"));
        QVERIFY(!virtualDisk.contains("mediaType"));
        QCOMPARE(virtualDisk.value("health").toString(), QStringLiteral("Không đọc được SMART"));

        QCOMPARE(log.lines().filter(QRegularExpression(QStringLiteral("^DISK"))).size(), 5);
    }

    void linuxTreeStorageClasses()
    {
        platform::linuxbackend::LinuxSource source{
            platform::linuxbackend::SysRoot(sysroot("storage-mixed").toStdString())};
        WmiConnection storage(source);
        QVERIFY(storage.open(QStringLiteral("ROOT\\Microsoft\\Windows\\Storage")));
        const QList<QVariantMap> physical = storage.query(
            QStringLiteral("SELECT DeviceId, MediaType, BusType, HealthStatus FROM MSFT_PhysicalDisk"));
        QCOMPARE(physical.size(), 5);
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
        platform::linuxbackend::LinuxSource source{
            platform::linuxbackend::SysRoot(sysroot("storage-mixed").toStdString())};
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
        const QVariantList disks = collectFrom(source);
        for (const QVariant &item : disks) {
            const QVariantMap disk = item.toMap();
            qInfo().noquote() << disk.value("capacity").toString() << disk.value("interface").toString()
                              << disk.value("model").toString() << disk.value("health").toString()
                              << disk.value("healthPercent").toString();
            QVERIFY(!disk.value("capacity").toString().isEmpty());
            QVERIFY(!disk.value("health").toString().isEmpty());
            if (disk.value("health") == QStringLiteral("Không đọc được SMART"))
                QVERIFY(!disk.contains("healthPercent"));
        }
    }
};

KELVARO_TEST(TestStorageStep)
#include "tst_storagestep.moc"
