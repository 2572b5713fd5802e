#include "datarow.h"
#include "dmidecodedumps.h"
#include "hardware/profile/recordingsource.h"
#include "maptext.h"
#include "platform/linux/linux_source.h"
#include "steprun.h"
#include "sysroots.h"
#include "testregistry.h"

#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

std::shared_ptr<platform::Source> machine(const QString &name)
{
    return std::make_shared<platform::linuxbackend::LinuxSource>(testSysRoot("sysroots/" + name));
}

HardwareSnapshot scan(const std::shared_ptr<platform::Source> &source)
{
    return WindowsCollector(source).collect({});
}

// What the platform answered, written as a profile and read back, answers the same scan.
HardwareSnapshot replayThroughJson(const ProfileData &recorded)
{
    ProfileParse parsed = parseProfile(profileToJson(recorded), QStringLiteral("recorded"));
    if (!parsed.data)
        return {};
    return scan(std::make_shared<ReplaySource>(std::make_shared<const ProfileData>(std::move(*parsed.data))));
}

QVariantMap withoutNote(QVariantMap map)
{
    map.remove(QStringLiteral("upgradeNote"));
    return map;
}

} // namespace

class TestInventoryScan : public QObject {
    Q_OBJECT

private slots:
    // Upgrade notes are the rules' own business; here the facts they are built from.
    void laptopWithBatteryAndUefi()
    {
        const HardwareSnapshot s = scan(machine("latitude-7490"));
        QCOMPARE(
            mapText(s.system),
            QString(
                "biosDate=2022-01-24; biosVendor=Dell Inc.; biosVersion=1.24.1; boardManufacturer=Dell Inc.; "
                "boardModel=0KP0FT; deviceType=Laptop; family=Latitude; firmware=UEFI; manufacturer=Dell "
                "Inc.; "
                "model=Latitude 7490; osArch=64-bit; osBuild=6.5.0-27-generic; osName=Ubuntu 22.04.4 LTS; "
                "osVersion=22.04; secureBoot=Bật; systemType=x64-based PC; tpm=TPM 2.0"));
        // No processor to ask in a recorded tree: no instruction sets.
        QCOMPARE(
            mapText(withoutNote(s.cpu)),
            QString(
                "baseClock=1.70 GHz; cores=4; l2=1 MB; l3=6 MB; manufacturer=GenuineIntel; "
                "name=Intel(R) Core(TM) i5-8350U CPU @ 1.70GHz; socket=U3E1; threads=8; upgradable=false; "
                "virtualization=true"));
        QCOMPARE(s.ramModules.size(), 2);
        QCOMPARE(
            mapText(s.ramModules.first()),
            QString("capacity=8.0 GB; ecc=false; formFactor=SODIMM; manufacturer=802C0000802C; "
                    "partNumber=8ATF1G64HZ-2G3H1; slot=DIMM A; speed=2400 MT/s; type=DDR4; voltage=1.20 V"));
        QCOMPARE(
            mapText(withoutNote(s.ramSummary)),
            QString(
                "channel=Dual Channel; freeSlots=0; maxCapacity=32.0 GB; slots=2; total=16.0 GB; type=DDR4; "
                "upgradable=true; usedSlots=2"));
    }

    void solderedLowPowerMemory()
    {
        const HardwareSnapshot s = scan(machine("zenbook-ux433fa"));
        QCOMPARE(s.system.value("family").toString(), QString("ZenBook"));
        QCOMPARE(s.system.value("secureBoot").toString(), QString("Tắt"));
        // A row of chips is neither DIMM nor SODIMM.
        QCOMPARE(mapText(s.ramModules.first()),
                 QString("capacity=4.0 GB; ecc=false; manufacturer=Micron; partNumber=MT52L512M32D2PF-09; "
                         "slot=ChannelA-DIMM0; speed=2133 MT/s; type=LPDDR3; voltage=1.20 V"));
        QCOMPARE(mapText(withoutNote(s.ramSummary)),
                 QString("channel=Dual Channel; freeSlots=0; maxCapacity=8.0 GB; slots=2; total=8.0 GB; "
                         "type=LPDDR3; upgradable=false; usedSlots=2"));
    }

    // No family, Secure Boot, TPM, serial, asset tag or install date to show.
    void desktopWithoutBatteryOrUefi()
    {
        const HardwareSnapshot s = scan(machine("gigabyte-b360m-d2v"));
        QCOMPARE(
            mapText(s.system),
            QString(
                "biosDate=2018-06-14; biosVendor=American Megatrends Inc.; biosVersion=F4; "
                "boardManufacturer=Gigabyte Technology Co., Ltd.; boardModel=B360M D2V; deviceType=Desktop; "
                "firmware=Legacy BIOS; manufacturer=Gigabyte Technology Co., Ltd.; model=B360M-D2V; "
                "osArch=64-bit; osBuild=5.15.0-105-generic; osName=Linux Mint 21.3; osVersion=21.3; "
                "systemType=x64-based PC"));
        QCOMPARE(
            mapText(withoutNote(s.cpu)),
            QString("baseClock=3.00 GHz; cores=6; l2=2 MB; l3=9 MB; manufacturer=GenuineIntel; "
                    "name=Intel(R) Core(TM) i5-8500 CPU @ 3.00GHz; socket=U3E1; threads=6; upgradable=true; "
                    "virtualization=true"));
        QCOMPARE(
            mapText(withoutNote(s.ramSummary)),
            QString(
                "channel=Dual Channel; freeSlots=2; maxCapacity=64.0 GB; slots=4; total=32.0 GB; type=DDR4; "
                "upgradable=true; usedSlots=2"));
    }

    // The summary must say what the firmware's own table says, read here from the dmidecode text.
    void memorySummaryAgreesWithTheTable_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QString>("id");
        addRow("laptop", "latitude-7490", "D01");
        addRow("soldered", "zenbook-ux433fa", "D03");
        addRow("desktop, empty slots", "gigabyte-b360m-d2v", "D06");
    }

    void memorySummaryAgreesWithTheTable()
    {
        QFETCH(QString, tree);
        QFETCH(QString, id);
        const QJsonObject recorded = dmidecodeDump(id);
        quint64 total = 0;
        int installed = 0;
        for (const QJsonValue &device : recorded.value("memoryDevices").toArray()) {
            const quint64 bytes = dmidecodeBytes(device.toObject().value("Size").toString());
            total += bytes;
            installed += bytes ? 1 : 0;
        }
        const QJsonObject array = recorded.value("memoryArrays").toArray().first().toObject();
        const int slotCount = array.value("Number Of Devices").toString().toInt();

        const HardwareSnapshot s = scan(machine(tree));
        QCOMPARE(s.ramSummary.value("total").toString(),
                 QStringLiteral("%1 GB").arg(total / double(1 << 30), 0, 'f', 1));
        QCOMPARE(s.ramSummary.value("slots"), QVariant(slotCount));
        QCOMPARE(s.ramSummary.value("usedSlots"), QVariant(installed));
        QCOMPARE(s.ramModules.size(), installed);
    }

    void machineWithoutFirmwareTables()
    {
        const HardwareSnapshot s = scan(machine("vm-no-dmi"));
        QCOMPARE(mapText(s.system),
                 QString("firmware=Legacy BIOS; osArch=64-bit; osBuild=6.18.44-fc-v1272; "
                         "osName=Debian GNU/Linux 12 (bookworm); osVersion=12; systemType=x64-based PC"));
        QCOMPARE(mapText(withoutNote(s.cpu)),
                 QString("cores=2; l2=3 MB; l3=48 MB; manufacturer=GenuineIntel; "
                         "name=Intel(R) Xeon(R) Processor @ 2.80GHz; threads=2; upgradable=true; "
                         "virtualization=false"));
        // No module rows: the size comes from the memory the system sees (24683784 kB).
        QCOMPARE(s.ramSummary, (QVariantMap{{"usedSlots", 0}, {"total", "23.5 GB"}}));
        QVERIFY(s.ramModules.isEmpty());
    }

    // Junk bytes are shown as printable text, placeholders and malformed values not at all; the only
    // memory device is cut off mid-structure.
    void brokenFilesLeaveKeysOut()
    {
        const HardwareSnapshot s = scan(machine("broken"));
        // A battery in its bay makes it a laptop.
        QCOMPARE(mapText(s.system),
                 QString::fromUtf8("deviceType=Laptop; firmware=UEFI; model=\u00ff\u00fe  garbage; "
                                   "osName=unterminated; serial=SN [31m123 X"));
        QCOMPARE(mapText(withoutNote(s.cpu)),
                 QString("cores=1; threads=1; upgradable=false; virtualization=true"));
        QVERIFY(s.ramModules.isEmpty());
        QCOMPARE(mapText(withoutNote(s.ramSummary)),
                 QString("freeSlots=2; maxCapacity=32.0 GB; slots=2; upgradable=true; usedSlots=0"));
    }

    void sysrootsReplayFromTheirProfiles_data()
    {
        QTest::addColumn<QString>("tree");
        for (const char *tree :
             {"latitude-7490", "zenbook-ux433fa", "gigabyte-b360m-d2v", "vm-no-dmi", "broken"})
            QTest::newRow(tree) << tree;
    }

    void sysrootsReplayFromTheirProfiles()
    {
        QFETCH(QString, tree);
        auto recorder = std::make_shared<RecordingSource>(machine(tree));
        const HardwareSnapshot live = scan(recorder);
        QCOMPARE(replayThroughJson(recorder->recorded()), live);
    }

    // The program itself, pointed at a recorded tree, records what the collector sees there.
    void programReadsTheSystemRootFromTheEnvironment()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("KELVARO_SYSROOT", QStringLiteral(KELVARO_TEST_DATA "/sysroots/latitude-7490"));
        env.insert("LOCALAPPDATA", dir.path());
        env.remove("KELVARO_PROFILE");
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(KELVARO_BINARY), {"--record-profile", dir.filePath("p.json")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);

        ProfileParse parsed = readProfile(dir.filePath("p.json"));
        QVERIFY2(parsed.data, qPrintable(parsed.error));
        const HardwareSnapshot replayed = scan(
            std::make_shared<ReplaySource>(std::make_shared<const ProfileData>(std::move(*parsed.data))));
        QCOMPARE(replayed, scan(machine("latitude-7490")));
        QCOMPARE(replayed.system.value("model").toString(), QString("Latitude 7490"));
    }

    void liveScanReplaysIdentically()
    {
        auto recorder =
            std::make_shared<RecordingSource>(std::shared_ptr<platform::Source>(platform::makeLiveSource()));
        const HardwareSnapshot live = scan(recorder);
        QVERIFY(!live.cpu.isEmpty());
        QVERIFY(!live.system.isEmpty());
        const auto recorded = std::make_shared<const ProfileData>(recorder->recorded());
        QCOMPARE(scan(std::make_shared<ReplaySource>(recorded)), live);
        QCOMPARE(replayThroughJson(*recorded), live);
    }

    void liveProcessorAgreesWithTheKernel()
    {
        QFile file(QStringLiteral("/proc/cpuinfo"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString name;
        QSet<QString> packages;
        QSet<QString> cores;
        QString package;
        for (const QByteArray &line : file.readAll().split('\n')) {
            const QString text = QString::fromUtf8(line);
            const QString key = text.section(QLatin1Char(':'), 0, 0).trimmed();
            const QString value = text.section(QLatin1Char(':'), 1).trimmed();
            if (key == QLatin1String("model name") && name.isEmpty())
                name = value;
            else if (key == QLatin1String("physical id"))
                packages.insert(package = value);
            else if (key == QLatin1String("core id"))
                cores.insert(package + QLatin1Char('/') + value);
        }
        if (packages.size() > 1)
            QSKIP("several processor packages: the first one's counts are not the machine's");

        const HardwareSnapshot s = scan(std::shared_ptr<platform::Source>(platform::makeLiveSource()));
        if (!name.isEmpty())
            QCOMPARE(s.cpu.value("name").toString(), name);
        if (!cores.isEmpty())
            QCOMPARE(s.cpu.value("cores").toInt(), cores.size());
        QCOMPARE(s.cpu.value("threads").toLongLong(), static_cast<qlonglong>(sysconf(_SC_NPROCESSORS_ONLN)));
    }
};

KELVARO_TEST(TestInventoryScan)
#include "tst_inventoryscan.moc"
