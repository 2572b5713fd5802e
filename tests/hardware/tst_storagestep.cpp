#include "golden.h"
#include "logcapture.h"
#include "maptext.h"
#include "platform/linux/linux_source.h"
#include "steprun.h"
#include "sysroots.h"
#include "testregistry.h"

#include <QDir>
#include <QTest>

namespace {

platform::linuxbackend::LinuxSource mixedTree()
{
    return platform::linuxbackend::LinuxSource(testSysRoot(QStringLiteral("sysroots/storage-mixed")));
}

} // namespace

class TestStorageStep : public QObject {
    Q_OBJECT

private slots:
    // Behind a RAID-mode driver WMI only knows "SCSI Disk Device" and the drive knows itself; the NVMe
    // health log beats the counter's wear; a failing disk in a USB enclosure that Windows still calls
    // healthy; a card reader, opened, that answers nothing.
    void laptopProfile()
    {
        const auto source = replayProfile(QStringLiteral("profiles/storage-laptop.json"));
        QVERIFY(source);
        LogCapture log("kelvaro.storage");
        const QVariantList disks = runStep(*source, collectDisks);
        KELVARO_COMPARE_GOLDEN(linesText("disk", disks) + LogCapture::lines().join('\n'),
                               "disks-storage-laptop.txt");
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

        // The second row has no Index: it must not borrow drive 0's answers.
        KELVARO_COMPARE_GOLDEN(linesText("disk", runStep(source, collectDisks)),
                               "disks-without-storage-classes.txt");
    }

    // A recorded Linux tree: NVMe, SATA SSD, USB disk, eMMC and a virtual disk, among block devices
    // that are not disks of their own. The kernel's IDENTIFY copy gives the SATA disk its whole model,
    // serial, firmware and media; a USB bridge's rotational flag proves nothing.
    void linuxTree()
    {
        auto source = mixedTree();
        LogCapture log("kelvaro.storage");
        const QVariantList disks = runStep(source, collectDisks);
        KELVARO_COMPARE_GOLDEN(linesText("disk", disks) + LogCapture::lines().join('\n'),
                               "disks-storage-mixed.txt");
    }

    void linuxDrivePagesWithoutPrivileges()
    {
        auto source = mixedTree();
        const platform::DrivePages sata = source.readDrive(2);
        QVERIFY(sata.opened && sata.identify && !sata.smartData && !sata.nvmeHealthLog);
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
            QVERIFY(!disk.value("capacity").toString().isEmpty());
            QVERIFY(!disk.value("health").toString().isEmpty());
            if (disk.value("health") == QStringLiteral("Không đọc được SMART"))
                QVERIFY(!disk.contains("healthPercent"));
        }
    }
};

KELVARO_TEST(TestStorageStep)
#include "tst_storagestep.moc"
