#include "golden.h"
#include "hardware/profile/recordingsource.h"
#include "platform/linux/linux_source.h"
#include "snapshottext.h"
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

} // namespace

class TestInventoryScan : public QObject {
    Q_OBJECT

private slots:
    // Whole snapshots: a laptop with battery and UEFI, soldered LPDDR3, a desktop without battery or
    // UEFI, a machine without firmware tables (its memory size is what the system sees), and broken
    // files: junk shown as printable text, placeholders and malformed values not at all, the only
    // memory device cut off mid-structure. No processor to ask in a recorded tree: no instruction sets.
    void recordedTrees_data()
    {
        QTest::addColumn<QString>("tree");
        for (const char *tree :
             {"latitude-7490", "zenbook-ux433fa", "gigabyte-b360m-d2v", "vm-no-dmi", "broken"})
            QTest::newRow(tree) << tree;
    }

    void recordedTrees()
    {
        QFETCH(QString, tree);
        auto recorder = std::make_shared<RecordingSource>(machine(tree));
        QList<int> percents;
        const HardwareSnapshot live =
            WindowsCollector(recorder).collect([&](int percent, const QString &) { percents << percent; });
        // One report per step, the last one complete.
        QCOMPARE(percents.size(), 9);
        QCOMPARE(percents.last(), 100);
        KELVARO_COMPARE_GOLDEN(snapshotText(live), "scan-" + tree + ".txt");
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
