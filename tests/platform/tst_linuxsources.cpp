#include "platform/linux/cpu_info.h"
#include "platform/linux/dmi_text.h"
#include "platform/linux/linux_source.h"
#include "platform/linux/os_release.h"
#include "platform/linux/power_status.h"
#include "platform/linux/system_classes.h"
#include "platform/printable_text.h"
#include "testregistry.h"

#include <QTest>

using namespace platform;
using namespace platform::linuxbackend;

namespace {

SysRoot machine(const char *name)
{
    return SysRoot(std::string(KELVARO_TEST_DATA "/sysroots/") + name);
}

template <typename T> T valueOf(const Row &row, const char *key)
{
    const auto it = row.find(key);
    if (it == row.end() || !std::holds_alternative<T>(it->second))
        return T{};
    return std::get<T>(it->second);
}

PowerSupply battery(const char *status, long long capacity)
{
    PowerSupply b;
    b.type = "Battery";
    b.status = status;
    b.capacity = capacity;
    return b;
}

PowerSupply mains(long long online)
{
    PowerSupply m;
    m.type = "Mains";
    m.online = online;
    return m;
}

} // namespace

class TestLinuxSources : public QObject {
    Q_OBJECT

private slots:
    void firmwarePlaceholdersAreDropped_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("kept");
        QTest::newRow("real text, padding trimmed") << "1.0       "
                                                    << "1.0";
        QTest::newRow("O.E.M. placeholder") << "To Be Filled By O.E.M."
                                            << "";
        QTest::newRow("other case") << "DEFAULT STRING"
                                    << "";
        QTest::newRow("ASUS product placeholder") << "System Product Name"
                                                  << "";
        QTest::newRow("alphabet as family") << "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                            << "";
        QTest::newRow("zeros") << "00000000"
                               << "";
        QTest::newRow("punctuation only") << "--"
                                          << "";
        QTest::newRow("a serial that merely contains zeros") << "0A00"
                                                             << "0A00";
        QTest::newRow("control characters become spaces") << "Dell\tInc.\x01"
                                                          << "Dell Inc.";
        QTest::newRow("Latin-1 byte") << QString::fromLatin1("Caf\xe9") << QStringLiteral("Café");
    }

    void firmwarePlaceholdersAreDropped()
    {
        QFETCH(QString, raw);
        QFETCH(QString, kept);
        QCOMPARE(QString::fromStdString(firmwareText(raw.toLatin1().toStdString())), kept);
    }

    void printableTextKeepsValidUtf8()
    {
        const std::string vietnamese = "Vi\xE1\xBB\x87t";
        QCOMPARE(printableText(vietnamese), vietnamese);
        QCOMPARE(printableText("\xC0\xAF"), std::string("\xC3\x80\xC2\xAF")); // overlong form read as Latin-1
        QCOMPARE(printableText("\xE2\x82"), std::string("\xC3\xA2\xC2\x82")); // cut-off sequence
    }

    void dmiDates_data()
    {
        QTest::addColumn<QString>("dmi");
        QTest::addColumn<QString>("cim");
        QTest::newRow("four-digit year") << "01/24/2022"
                                         << "20220124000000.000000+000";
        QTest::newRow("two-digit year") << "6/7/21"
                                        << "20210607000000.000000+000";
        QTest::newRow("last century") << "12/31/99"
                                      << "19991231000000.000000+000";
        QTest::newRow("month 13") << "13/01/2020"
                                  << "";
        QTest::newRow("not a date") << "2020-01-01"
                                    << "";
        QTest::newRow("letters") << "01/2x/2020"
                                 << "";
        QTest::newRow("empty") << ""
                               << "";
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

    void powerStatusFollowsTheSystemBattery()
    {
        // No battery at all: a desktop, necessarily on external power.
        PowerStatus desktop = derivePowerStatus({});
        QCOMPARE(int(desktop.batteryFlag), 128);
        QCOMPARE(int(desktop.acLineStatus), 1);
        QCOMPARE(desktop.batteryLifeTime, 0xFFFFFFFFu);

        // A mouse's battery is not the machine's.
        PowerSupply mouse = battery("Discharging", 40);
        mouse.scope = "Device";
        QCOMPARE(int(derivePowerStatus({mouse}).batteryFlag), 128);
        // Nor is an empty battery bay.
        PowerSupply removed = battery("Unknown", 0);
        removed.present = 0;
        QCOMPARE(int(derivePowerStatus({removed, mains(1)}).batteryFlag), 128);

        QCOMPARE(int(derivePowerStatus({battery("Discharging", 80), mains(0)}).batteryFlag), 1);
        QCOMPARE(int(derivePowerStatus({battery("Discharging", 50), mains(0)}).batteryFlag), 0);
        QCOMPARE(int(derivePowerStatus({battery("Discharging", 20), mains(0)}).batteryFlag), 2);
        QCOMPARE(int(derivePowerStatus({battery("Discharging", 3), mains(0)}).batteryFlag), 2 | 4);
        QCOMPARE(int(derivePowerStatus({battery("Charging", 90), mains(1)}).batteryFlag), 1 | 8);
        QCOMPARE(int(derivePowerStatus({battery("Charging", 90), mains(1)}).acLineStatus), 1);
        QCOMPARE(int(derivePowerStatus({battery("Discharging", 90)}).acLineStatus), 0);
        QCOMPARE(int(derivePowerStatus({battery("Full", 100)}).acLineStatus), 1);
        QCOMPARE(int(derivePowerStatus({battery("Unknown", 100)}).acLineStatus), 255);
        // A programmable USB-PD supply is power coming in; a peripheral's charger is not the machine's.
        PowerSupply pd = mains(2);
        pd.type = "USB_PD";
        QCOMPARE(int(derivePowerStatus({battery("Discharging", 90), pd}).acLineStatus), 1);
        PowerSupply cradle = mains(1);
        cradle.scope = "Device";
        QCOMPARE(int(derivePowerStatus({battery("Discharging", 90), cradle}).acLineStatus), 0);

        PowerSupply silent;
        silent.type = "Battery";
        QCOMPARE(int(derivePowerStatus({silent}).batteryFlag), 255);
    }

    void batteryLifeTimeWhenDischarging()
    {
        PowerSupply b = battery("Discharging", 81);
        b.energyNow = 42120000;
        b.powerNow = 7200000;
        QCOMPARE(derivePowerStatus({b, mains(0)}).batteryLifeTime, 21060u);
        // On AC Windows reports the time as unknown.
        QCOMPARE(derivePowerStatus({b, mains(1)}).batteryLifeTime, 0xFFFFFFFFu);
        // Drivers that sign the discharge current.
        PowerSupply c = battery("Discharging", 50);
        c.chargeNow = 2000000;
        c.currentNow = -1000000;
        QCOMPARE(derivePowerStatus({c}).batteryLifeTime, 7200u);
        // Absurd values tell nothing.
        c.currentNow = 0;
        QCOMPARE(derivePowerStatus({c}).batteryLifeTime, 0xFFFFFFFFu);
        c.chargeNow = 9'000'000'000'000'000'000LL;
        c.currentNow = 1;
        QCOMPARE(derivePowerStatus({c}).batteryLifeTime, 0xFFFFFFFFu);
        // Charge from energies when the driver has no capacity attribute.
        PowerSupply e;
        e.type = "Battery";
        e.status = "Discharging";
        e.energyNow = 10;
        e.energyFull = 100;
        QCOMPARE(int(derivePowerStatus({e}).batteryFlag), 2);
    }

    // What the trees give that the inventory snapshot does not show.
    void recordedTrees()
    {
        LinuxSource laptop(machine("latitude-7490"));
        QCOMPARE(laptop.powerStatus()->batteryLifeTime, 21060u);
        QVERIFY(!laptop.cpuid(1, std::nullopt)); // a recorded tree has no processor to ask
        QCOMPARE(valueOf<std::string>(computerSystemRows(laptop.root())[0], "TotalPhysicalMemory"),
                 std::string("16506544128"));
        const Rows cpu = processorRows(laptop.root());
        QCOMPARE(valueOf<std::int32_t>(cpu[0], "L2CacheSize"), 1024); // four private caches
        QCOMPARE(valueOf<std::int32_t>(cpu[0], "L3CacheSize"), 6144); // one shared cache

        LinuxSource broken(machine("broken"));
        QVERIFY(!broken.secureBootEnabled()); // three bytes: attributes without a value
        QCOMPARE(int(broken.powerStatus()->batteryFlag), 255);
        QCOMPARE(int(broken.powerStatus()->acLineStatus), 255); // "online" reads "maybe"
        QCOMPARE(valueOf<std::int32_t>(physicalMemoryArrayRows(broken.root())[0], "MemoryDevices"), 2);

        LinuxSource missing(SysRoot("/nonexistent/kelvaro"));
        QVERIFY(!missing.firmwareType());
        QVERIFY(processorRows(missing.root()).empty());
        QVERIFY(computerSystemRows(missing.root()).empty());
        QCOMPARE(int(missing.powerStatus()->batteryFlag), 128);
    }
};

KELVARO_TEST(TestLinuxSources)
#include "tst_linuxsources.moc"
