#include "datarow.h"
#include "platform/linux/cpu_info.h"
#include "platform/linux/dmi_text.h"
#include "platform/linux/linux_source.h"
#include "platform/linux/os_release.h"
#include "platform/linux/power_status.h"
#include "platform/linux/system_classes.h"
#include "sysroots.h"
#include "testregistry.h"

#include <QTest>

using namespace platform;
using namespace platform::linuxbackend;

Q_DECLARE_METATYPE(std::vector<platform::linuxbackend::PowerSupply>)

namespace {

SysRoot machine(const char *name)
{
    return testSysRoot(QStringLiteral("sysroots/") + name);
}

PowerSupply battery(const char *status, std::optional<long long> capacity = std::nullopt)
{
    PowerSupply b;
    b.type = "Battery";
    b.status = status;
    b.capacity = capacity;
    return b;
}

PowerSupply mains(long long online, const char *type = "Mains", const char *scope = "")
{
    PowerSupply m;
    m.type = type;
    m.scope = scope;
    m.online = online;
    return m;
}

using Supplies = std::vector<PowerSupply>;

} // namespace

class TestLinuxSources : public QObject {
    Q_OBJECT

private slots:
    void firmwarePlaceholdersAreDropped_data()
    {
        addColumns<QString, QString>("raw", "kept");
        addRow("real text, padding trimmed", "1.0       ", "1.0");
        addRow("O.E.M. placeholder", "To Be Filled By O.E.M.", "");
        addRow("other case", "DEFAULT STRING", "");
        addRow("zeros", "00000000", "");
        addRow("punctuation only", "--", "");
        addRow("a serial that merely contains zeros", "0A00", "0A00");
        addRow("control characters become spaces", "Dell\tInc.\x01", "Dell Inc.");
        addRow("Latin-1 byte", QString::fromLatin1("Caf\xe9"), QStringLiteral("Café"));
    }

    void firmwarePlaceholdersAreDropped()
    {
        QFETCH(QString, raw);
        QFETCH(QString, kept);
        QCOMPARE(QString::fromStdString(meaningfulFirmwareText(raw.toLatin1().toStdString())), kept);
    }

    void dmiDates_data()
    {
        addColumns<QString, QString>("dmi", "cim");
        addRow("four-digit year", "01/24/2022", "20220124000000.000000+000");
        addRow("two-digit year", "6/7/21", "20210607000000.000000+000");
        addRow("last century", "12/31/99", "19991231000000.000000+000");
        addRow("month 13", "13/01/2020", "");
        addRow("not a date", "2020-01-01", "");
        addRow("empty", "", "");
    }

    void dmiDates()
    {
        QFETCH(QString, dmi);
        QFETCH(QString, cim);
        QCOMPARE(QString::fromStdString(cimDateFromDmi(dmi.toStdString())), cim);
    }

    void cpuLists()
    {
        QCOMPARE(parseCpuList("0-3,8,10-11\n").value_or(std::set<int>{}),
                 (std::set<int>{0, 1, 2, 3, 8, 10, 11}));
        QCOMPARE(parseCpuList("0").value_or(std::set<int>{}), std::set<int>{0});
        QVERIFY(!parseCpuList(""));
        QVERIFY(!parseCpuList("3-1"));
        QVERIFY(!parseCpuList("0-99999999"));
        QVERIFY(!parseCpuList("a-b"));
        QCOMPARE(parseCacheSizeKb("1280K").value_or(0), 1280ull);
        QCOMPARE(parseCacheSizeKb("8M").value_or(0), 8192ull);
        QVERIFY(!parseCacheSizeKb("garbageK"));
    }

    void cpuInfoBlocks()
    {
        const auto blocks =
            parseCpuInfo("processor\t: 0\nmodel name\t: A : B\n\nprocessor\t: 1\nflags\t\t:\n");
        QCOMPARE(int(blocks.size()), 2);
        QCOMPARE(blocks[0].at("model name"), std::string("A : B"));
        QCOMPARE(blocks[1].at("processor"), std::string("1"));
        QVERIFY(blocks[1].at("flags").empty());
    }

    void osRelease()
    {
        const auto fields =
            parseOsRelease("# comment\nNAME=\"Linux Mint\"\nPRETTY_NAME='It''s 21'\n"
                           "VERSION_ID=21.3\nESCAPED=\"say \\\"hi\\\" \\$5\"\nBAD KEY=x\n1X=y\n");
        QCOMPARE(fields.at("NAME"), std::string("Linux Mint"));
        QCOMPARE(fields.at("PRETTY_NAME"), std::string("Its 21"));
        QCOMPARE(fields.at("VERSION_ID"), std::string("21.3"));
        QCOMPARE(fields.at("ESCAPED"), std::string("say \"hi\" $5"));
        QCOMPARE(int(fields.size()), 4);
    }

    // Flags: 1 above 66 %, 2 below 33 %, 4 below 5 %, 8 charging, 128 no battery, 255 unknown.
    void powerStatus_data()
    {
        // -1: unknown
        addColumns<Supplies, int, int, qint64>("supplies", "ac", "flag", "lifeTime");
        PowerSupply mouse = battery("Discharging", 40);
        mouse.scope = "Device";
        PowerSupply removed = battery("Unknown", 0);
        removed.present = 0;
        PowerSupply energy = battery("Discharging", 81);
        energy.energyNow = 42120000;
        energy.powerNow = 7200000;
        PowerSupply charge = battery("Discharging", 50);
        charge.chargeNow = 2000000;
        charge.currentNow = -1000000; // drivers that sign the discharge current
        PowerSupply stalled = charge, absurd = charge;
        stalled.currentNow = 0;
        absurd.chargeNow = 9'000'000'000'000'000'000LL;
        absurd.currentNow = 1;
        PowerSupply noCapacity = battery("Discharging");
        noCapacity.energyNow = 10;
        noCapacity.energyFull = 100;
        addRow("no battery: a desktop, necessarily on external power", Supplies{}, 1, 128, -1ll);
        addRow("a mouse's battery is not the machine's", Supplies{mouse}, 1, 128, -1ll);
        addRow("nor is an empty bay", Supplies{removed, mains(1)}, 1, 128, -1ll);
        addRow("67 %", Supplies{battery("Discharging", 67), mains(0)}, 0, 1, -1ll);
        addRow("66 %", Supplies{battery("Discharging", 66), mains(0)}, 0, 0, -1ll);
        addRow("32 %", Supplies{battery("Discharging", 32), mains(0)}, 0, 2, -1ll);
        addRow("4 %", Supplies{battery("Discharging", 4), mains(0)}, 0, 2 | 4, -1ll);
        addRow("charging", Supplies{battery("Charging", 90), mains(1)}, 1, 1 | 8, -1ll);
        addRow("discharging, no mains supply", Supplies{battery("Discharging", 90)}, 0, 1, -1ll);
        addRow("full, no mains supply", Supplies{battery("Full", 100)}, 1, 1, -1ll);
        addRow("status unknown, no mains supply", Supplies{battery("Unknown", 100)}, 255, 1, -1ll);
        addRow("programmable USB-PD supply is power in",
               Supplies{battery("Discharging", 90), mains(2, "USB_PD")}, 1, 1, -1ll);
        addRow("a peripheral's charger is not the machine's",
               Supplies{battery("Discharging", 90), mains(1, "Mains", "Device")}, 0, 1, -1ll);
        addRow("a battery that tells nothing", Supplies{battery("")}, 255, 255, -1ll);
        addRow("life time from energy and power", Supplies{energy, mains(0)}, 0, 1, 21060ll);
        addRow("on AC the life time is unknown", Supplies{energy, mains(1)}, 1, 1, -1ll);
        addRow("life time from charge and current", Supplies{charge}, 0, 0, 7200ll);
        addRow("no current tells nothing", Supplies{stalled}, 0, 0, -1ll);
        addRow("absurd charge tells nothing", Supplies{absurd}, 0, 0, -1ll);
        addRow("charge from energies without capacity", Supplies{noCapacity}, 0, 2, -1ll);
    }

    void powerStatus()
    {
        QFETCH(Supplies, supplies);
        QFETCH(qint64, lifeTime);
        const PowerStatus status = derivePowerStatus(supplies);
        QTEST(int(status.acLineStatus), "ac");
        QTEST(int(status.batteryFlag), "flag");
        QCOMPARE(status.batteryLifeTime, lifeTime < 0 ? 0xFFFFFFFFu : std::uint32_t(lifeTime));
    }

    // What the trees give that the inventory snapshot does not show.
    void recordedTrees()
    {
        LinuxSource broken(machine("broken"));
        QVERIFY(!broken.secureBootEnabled()); // three bytes: attributes without a value
        QCOMPARE(int(broken.powerStatus()->batteryFlag), 255);
        QCOMPARE(int(broken.powerStatus()->acLineStatus), 255); // "online" reads "maybe"

        LinuxSource missing(SysRoot("/nonexistent/kelvaro"));
        QVERIFY(!missing.firmwareType());
        QVERIFY(processorRows(missing.root()).empty());
        QVERIFY(computerSystemRows(missing.root()).empty());
        QCOMPARE(int(missing.powerStatus()->batteryFlag), 128);
    }
};

KELVARO_TEST(TestLinuxSources)
#include "tst_linuxsources.moc"
