#include "hardware/profile/profilejson.h"
#include "hardware/profile/recordingsource.h"
#include "hardware/profile/replaysource.h"
#include "hardware/windowscollector.h"
#include "platform/linux/linux_source.h"
#include "testregistry.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using platform::linuxbackend::LinuxSource;
using platform::linuxbackend::SysRoot;

namespace {

std::shared_ptr<platform::Source> machine(const QString &name)
{
    return std::make_shared<LinuxSource>(
        SysRoot(QStringLiteral(KELVARO_TEST_DATA "/sysroots/%1").arg(name).toStdString()));
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

QJsonObject recordedMachine(const QString &id)
{
    QFile file(QStringLiteral(KELVARO_TEST_DATA "/smbios/machines.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    for (const QJsonValue &value : QJsonDocument::fromJson(file.readAll()).array()) {
        if (value.toObject().value(QStringLiteral("id")).toString() == id)
            return value.toObject();
    }
    return {};
}

quint64 dmidecodeBytes(const QString &text)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^(\\d+) (MB|GB)$")).match(text);
    return m.hasMatch() ? m.captured(1).toULongLong() << (m.captured(2) == QLatin1String("MB") ? 20 : 30) : 0;
}

const char *const kChannel[] = {"", "Single Channel", "Dual Channel", "Multi Channel", "Quad Channel"};

} // namespace

class TestInventoryScan : public QObject {
    Q_OBJECT

private slots:
    void laptopWithBatteryAndUefi()
    {
        const HardwareSnapshot s = scan(machine("latitude-7490"));
        const QVariantMap expectedSystem{{"deviceType", "Laptop"},
                                         {"manufacturer", "Dell Inc."},
                                         {"model", "Latitude 7490"},
                                         {"family", "Latitude"},
                                         {"systemType", "x64-based PC"},
                                         {"biosVersion", "1.24.1"},
                                         {"biosDate", "2022-01-24"},
                                         {"biosVendor", "Dell Inc."},
                                         {"boardModel", "0KP0FT"},
                                         {"boardManufacturer", "Dell Inc."},
                                         {"firmware", "UEFI"},
                                         {"secureBoot", "Bật"},
                                         {"osName", "Ubuntu 22.04.4 LTS"},
                                         {"osVersion", "22.04"},
                                         {"osBuild", "6.5.0-27-generic"},
                                         {"osArch", "64-bit"},
                                         {"tpm", "TPM 2.0"}};
        QCOMPARE(s.system, expectedSystem);

        QCOMPARE(s.cpu.value("name").toString(), QString("Intel(R) Core(TM) i5-8350U CPU @ 1.70GHz"));
        QCOMPARE(s.cpu.value("manufacturer").toString(), QString("GenuineIntel"));
        QCOMPARE(s.cpu.value("cores"), QVariant(4));
        QCOMPARE(s.cpu.value("threads"), QVariant(8));
        QCOMPARE(s.cpu.value("baseClock").toString(), QString("1.70 GHz"));
        QCOMPARE(s.cpu.value("l3").toString(), QString("6 MB"));
        QCOMPARE(s.cpu.value("socket").toString(), QString("U3E1"));
        QCOMPARE(s.cpu.value("virtualization"), QVariant(true));
        QCOMPARE(s.cpu.value("upgradable"), QVariant(false));
        QVERIFY(s.cpu.value("upgradeNote").toString().startsWith("CPU trên laptop"));
        QVERIFY(!s.cpu.contains("instructionSets")); // no processor to ask in a recorded tree

        QCOMPARE(s.ramModules.size(), 2);
        const QVariantMap expectedModule{{"capacity", "8.0 GB"},
                                         {"slot", "DIMM A"},
                                         {"speed", "2400 MT/s"},
                                         {"type", "DDR4"},
                                         {"formFactor", "SODIMM"},
                                         {"manufacturer", "802C0000802C"},
                                         {"partNumber", "8ATF1G64HZ-2G3H1"},
                                         {"voltage", "1.20 V"},
                                         {"ecc", false}};
        QCOMPARE(s.ramModules.first().toMap(), expectedModule);
        QCOMPARE(s.ramSummary.value("maxCapacity").toString(), QString("32.0 GB"));
        QCOMPARE(s.ramSummary.value("upgradable"), QVariant(true));
        QCOMPARE(
            s.ramSummary.value("upgradeNote").toString(),
            QString("Hỗ trợ tối đa 32.0 GB · hiện 16.0 GB · có thể nâng thêm ~16.0 GB (đã đầy khe — cần thay "
                    "bằng thanh dung lượng cao hơn)."));
    }

    void solderedLowPowerMemory()
    {
        const HardwareSnapshot s = scan(machine("zenbook-ux433fa"));
        QCOMPARE(s.system.value("deviceType").toString(), QString("Laptop"));
        QCOMPARE(s.system.value("family").toString(), QString("ZenBook"));
        QCOMPARE(s.system.value("secureBoot").toString(), QString("Tắt"));
        QCOMPARE(s.ramSummary.value("type").toString(), QString("LPDDR3"));
        const QVariantMap first = s.ramModules.first().toMap();
        QVERIFY(!first.contains("formFactor")); // a row of chips is neither DIMM nor SODIMM
        QCOMPARE(first.value("manufacturer").toString(), QString("Micron"));
        QCOMPARE(s.ramSummary.value("upgradable"), QVariant(false));
        QCOMPARE(s.ramSummary.value("upgradeNote").toString(),
                 QString("Đã đạt mức RAM tối đa hệ thống hỗ trợ (8.0 GB)."));
    }

    void desktopWithoutBatteryOrUefi()
    {
        const HardwareSnapshot s = scan(machine("gigabyte-b360m-d2v"));
        QCOMPARE(s.system.value("deviceType").toString(), QString("Desktop"));
        QCOMPARE(s.system.value("firmware").toString(), QString("Legacy BIOS"));
        QCOMPARE(s.system.value("boardModel").toString(), QString("B360M D2V"));
        for (const char *absent : {"family", "secureBoot", "tpm", "serial", "assetTag", "osInstallDate"})
            QVERIFY2(!s.system.contains(absent), absent);
        QCOMPARE(s.cpu.value("cores"), QVariant(6));
        QCOMPARE(s.cpu.value("threads"), QVariant(6));
        QCOMPARE(s.cpu.value("baseClock").toString(), QString("3.00 GHz"));
        QCOMPARE(s.cpu.value("upgradable"), QVariant(true));
        QCOMPARE(
            s.cpu.value("upgradeNote").toString(),
            QString("Máy bàn dùng CPU socket rời (U3E1) → có thể nâng cấp nếu BIOS/bo mạch hỗ trợ. Hãy đối "
                    "chiếu danh sách CPU tương thích của nhà sản xuất bo mạch."));
        QCOMPARE(s.ramSummary.value("freeSlots"), QVariant(2));
        QCOMPARE(
            s.ramSummary.value("upgradeNote").toString(),
            QString("Hỗ trợ tối đa 64.0 GB · hiện 32.0 GB · có thể nâng thêm ~32.0 GB (còn 2 khe trống — gắn "
                    "thêm thanh mới)."));
    }

    // The summary must say what the firmware's own table says, read here from the dmidecode text.
    void memorySummaryAgreesWithTheTable_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QString>("id");
        QTest::newRow("laptop") << "latitude-7490"
                                << "D01";
        QTest::newRow("soldered") << "zenbook-ux433fa"
                                  << "D03";
        QTest::newRow("desktop, empty slots") << "gigabyte-b360m-d2v"
                                              << "D06";
    }

    void memorySummaryAgreesWithTheTable()
    {
        QFETCH(QString, tree);
        QFETCH(QString, id);
        const QJsonObject recorded = recordedMachine(id);
        quint64 total = 0;
        int installed = 0;
        for (const QJsonValue &device : recorded.value("memoryDevices").toArray()) {
            const quint64 bytes = dmidecodeBytes(device.toObject().value("Size").toString());
            total += bytes;
            installed += bytes ? 1 : 0;
        }
        const int slotCount = recorded.value("memoryArrays")
                                  .toArray()
                                  .first()
                                  .toObject()
                                  .value("Number Of Devices")
                                  .toString()
                                  .toInt();

        const HardwareSnapshot s = scan(machine(tree));
        QCOMPARE(s.ramSummary.value("total").toString(),
                 QStringLiteral("%1 GB").arg(total / double(1 << 30), 0, 'f', 1));
        QCOMPARE(s.ramSummary.value("slots"), QVariant(slotCount));
        QCOMPARE(s.ramSummary.value("usedSlots"), QVariant(installed));
        QCOMPARE(s.ramSummary.value("channel").toString(), QString(kChannel[std::min(installed, 4)]));
        QCOMPARE(s.ramModules.size(), installed);
    }

    void machineWithoutFirmwareTables()
    {
        const HardwareSnapshot s = scan(machine("vm-no-dmi"));
        const QVariantMap expectedSystem{{"systemType", "x64-based PC"},
                                         {"firmware", "Legacy BIOS"},
                                         {"osName", "Debian GNU/Linux 12 (bookworm)"},
                                         {"osVersion", "12"},
                                         {"osBuild", "6.18.44-fc-v1272"},
                                         {"osArch", "64-bit"}};
        QCOMPARE(s.system, expectedSystem);
        QCOMPARE(s.cpu.value("name").toString(), QString("Intel(R) Xeon(R) Processor @ 2.80GHz"));
        QCOMPARE(s.cpu.value("threads"), QVariant(2));
        QCOMPARE(s.ramSummary, (QVariantMap{{"usedSlots", 0}}));
        QVERIFY(s.ramModules.isEmpty());
    }

    void brokenFilesLeaveKeysOut()
    {
        const HardwareSnapshot s = scan(machine("broken"));
        // Junk bytes are shown as printable text, placeholders and malformed values not at all.
        const QVariantMap expectedSystem{{"model", QString::fromUtf8("\u00ff\u00fe  garbage")},
                                         {"serial", "SN [31m123 X"},
                                         {"firmware", "UEFI"},
                                         {"osName", "unterminated"}};
        QCOMPARE(s.system.value("deviceType").toString(), QString("Laptop")); // a battery in its bay
        QVariantMap system = s.system;
        system.remove("deviceType");
        QCOMPARE(system, expectedSystem);
        QCOMPARE(s.cpu.value("threads"), QVariant(1));
        for (const char *absent : {"name", "baseClock", "l2"})
            QVERIFY2(!s.cpu.contains(absent), absent);
        QVERIFY(s.ramModules.isEmpty()); // the only device is cut off mid-structure
        QCOMPARE(s.ramSummary.value("usedSlots"), QVariant(0));
        QCOMPARE(s.ramSummary.value("slots"), QVariant(2));
        QVERIFY(!s.ramSummary.contains("total"));
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
