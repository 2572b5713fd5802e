#ifdef __linux__

#include "platform/linux/linux_source.h"
#include "platform/linux/procfs_parse.h"
#include "testdata.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace platform;
using namespace platform::linuxbackend;

class TestLinuxSampling : public QObject {
    Q_OBJECT

private slots:
    void processorTimesInWindowsUnits()
    {
        const std::string stat = "cpu  400 20 300 5000 100 10 5 7 0 0\n"
                                 "cpu0 100 10 200 2500 50 10 5 7 30 0\n"
                                 "cpu1 300 10 100 2500 50 0 0 0 0 0\n"
                                 "intr 12345 0 0\n"
                                 "ctxt 99\n";
        const auto times = parseProcStat(stat, 100);
        QVERIFY(times);
        QCOMPARE(times->size(), std::size_t(2));
        // 100 ticks per second: one tick is 100 000 units of 100 ns.
        const ProcessorTimes &cpu0 = (*times)[0];
        QCOMPARE(cpu0.idle, std::uint64_t(2550) * 100000); // idle + iowait
        QCOMPARE(cpu0.user, std::uint64_t(110) * 100000);  // user + nice; guest is already inside
        // system + irq + softirq + steal, plus idle as on Windows.
        QCOMPARE(cpu0.kernel, std::uint64_t(200 + 10 + 5 + 7 + 2550) * 100000);
        QCOMPARE((*times)[1].kernel - (*times)[1].idle, std::uint64_t(100) * 100000);
    }

    void processorTimesOfOddInput()
    {
        QVERIFY(!parseProcStat("", 100));
        QVERIFY(!parseProcStat("cpu  1 2 3 4\n", 100));  // only the summary line
        QVERIFY(!parseProcStat("cpu0 1 2 3\n", 100));    // too few fields
        QVERIFY(!parseProcStat("cpu0 1 2 x 4\n", 100));  // not a number
        QVERIFY(!parseProcStat("cpu0 1 2 -3 4\n", 100)); // negative
        QVERIFY(!parseProcStat("cpu0 1 2 3 99999999999999999999999\n", 100));
        QVERIFY(!parseProcStat("cpu0 1 2 3 4\n", 0));
        // An old kernel's four fields, and an unusual tick rate.
        const auto old = parseProcStat("cpu0 1 2 3 1024\ncpufreq 5\n", 1024);
        QVERIFY(old);
        QCOMPARE(old->size(), std::size_t(1));
        QCOMPARE(old->front().idle, std::uint64_t(10000000));
        QCOMPARE(old->front().user, std::uint64_t(3 * 10000000 / 1024));
    }

    void memoryFromMeminfo()
    {
        const auto status = parseMemInfo("MemTotal:       16384000 kB\nMemFree:  1000 kB\n"
                                         "MemAvailable:    8192000 kB\nBuffers: 5 kB\n");
        QVERIFY(status);
        QCOMPARE(status->totalPhys, std::uint64_t(16384000) * 1024);
        QCOMPARE(status->availPhys, std::uint64_t(8192000) * 1024);

        const auto old = parseMemInfo("MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 20 kB\nCached: 300 kB\n");
        QVERIFY(old);
        QCOMPARE(old->availPhys, std::uint64_t(420) * 1024);

        QVERIFY(!parseMemInfo("MemFree: 100 kB\n"));
        QVERIFY(!parseMemInfo("MemTotal: lots kB\n"));
        QVERIFY(!parseMemInfo(std::string("\0\0\xff", 3)));
    }

    // Only processor sensors become thermal zones, whatever else the machine reports.
    void thermalZonesFromProcessorSensorsOnly()
    {
        QTemporaryDir dir;
        QVERIFY(writeTree(
            dir.path() + "/sys/class",
            {"hwmon/hwmon0: name=coretemp; temp1_label=Package id 0; temp1_input=45000; temp2_label=Core 0; "
             "temp2_input=99000",
             "hwmon/hwmon1: name=k10temp; temp1_label=Tctl; temp1_input=80000; temp2_label=Tdie; "
             "temp2_input=53000",
             "hwmon/hwmon2: name=k10temp; temp1_label=Tctl; temp1_input=61250",
             "hwmon/hwmon3: name=iwlwifi_1; temp1_input=70000",
             "hwmon/hwmon4: name=nvme; temp1_label=Composite; temp1_input=75000",
             "hwmon/hwmon5: name=BAT0; temp1_input=30000", "thermal/thermal_zone0: type=acpitz; temp=27800",
             "thermal/thermal_zone1: type=x86_pkg_temp; temp=not a number",
             "thermal/thermal_zone2: type=iwlwifi_1; temp=70000",
             "thermal/thermal_zone3: type=acpitz; temp=-274000", "thermal/cooling_device0: type=Processor"}));
        LinuxSource source{SysRoot(dir.path().toStdString())};
        auto wmi = source.openWmi("ROOT\\WMI");
        QVERIFY(wmi);
        const Rows rows = wmi->query("SELECT CurrentTemperature FROM MSAcpi_ThermalZoneTemperature");
        std::vector<std::uint32_t> tenthsKelvin;
        for (const Row &row : rows) {
            QCOMPARE(row.size(), std::size_t(1)); // the select list applies
            tenthsKelvin.push_back(std::get<std::uint32_t>(row.at("CurrentTemperature")));
        }
        // coretemp package, k10temp Tdie over Tctl, a lone Tctl, the ACPI zone.
        QCOMPARE(tenthsKelvin, (std::vector<std::uint32_t>{3182, 3262, 3344, 3010}));
    }

    void noSensorsNoRows()
    {
        QTemporaryDir dir;
        LinuxSource source{SysRoot(dir.path().toStdString())};
        auto wmi = source.openWmi("ROOT\\WMI");
        QVERIFY(wmi);
        QVERIFY(wmi->query("SELECT CurrentTemperature FROM MSAcpi_ThermalZoneTemperature").empty());
        QVERIFY(!source.processorTimes());
        QVERIFY(!source.memoryStatus());
    }
};

KELVARO_TEST(TestLinuxSampling)
#include "tst_linuxsampling.moc"

#endif
