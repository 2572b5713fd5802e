#include "golden.h"
#include "hardware/processorrules.h"
#include "hardware/profile/replaysource.h"
#include "hardware/windowscollector.h"
#include "maptext.h"
#include "testregistry.h"

#include <QTest>

#include <cstring>

namespace {

// The registers of leaves 0x80000002..4 that spell the given text.
std::array<platform::CpuidRegisters, 3> brandLeaves(const QByteArray &text)
{
    char bytes[48] = {};
    std::memcpy(bytes, text.constData(), std::min<std::size_t>(48, text.size()));
    std::array<platform::CpuidRegisters, 3> leaves;
    for (int leaf = 0; leaf < 3; ++leaf) {
        std::uint32_t regs[4];
        std::memcpy(regs, bytes + 16 * leaf, 16);
        leaves[leaf] = {regs[0], regs[1], regs[2], regs[3]};
    }
    return leaves;
}

} // namespace

class TestProcessorRules : public QObject {
    Q_OBJECT

private slots:
    void brandStringIsTrimmedAtTheFirstZero()
    {
        QCOMPARE(brandString(brandLeaves("       Intel(R) Xeon(R) CPU E5-2670 0 @ 2.60GHz")),
                 QString("Intel(R) Xeon(R) CPU E5-2670 0 @ 2.60GHz"));
        QCOMPARE(brandString(brandLeaves(QByteArray("AMD Ryzen 5 5600H\0garbage", 25))),
                 QString("AMD Ryzen 5 5600H"));
        // All 48 bytes used, no terminator.
        const QByteArray full(48, 'x');
        QCOMPARE(brandString(brandLeaves(full)), QString(full));
        QCOMPARE(brandString(brandLeaves("Caf\xe9")), QString::fromLatin1("Caf\xe9"));
    }

    // The row's name, else the brand leaves; the instruction sets from leaves 1 and 7.0.
    void collectorAsksTheProcessor()
    {
        auto data = std::make_shared<ProfileData>();
        const auto cpu = [&] {
            return WindowsCollector(std::make_shared<ReplaySource>(data)).collect({}).cpu;
        };
        data->wmi["ROOT\\CIMV2"]["Win32_Processor"] = {platform::Row{{"NumberOfCores", std::int32_t{4}}}};
        const auto leaves = brandLeaves("  Intel(R) Core(TM) i5-8350U CPU @ 1.70GHz");
        data->cpuid["80000000"] = {0x80000008u, 0, 0, 0};
        data->cpuid["80000002"] = leaves[0];
        data->cpuid["80000003"] = leaves[1];
        data->cpuid["80000004"] = leaves[2];
        // Recorded on an Ice Lake server processor.
        data->cpuid["1"] = {394918, 16910336, 4294586883u, 529267711};
        data->cpuid["7.0"] = {2, 4055838715u, 4284230, 536870928};
        QCOMPARE(cpu().value("name"), QVariant("Intel(R) Core(TM) i5-8350U CPU @ 1.70GHz"));
        QCOMPARE(cpu().value("instructionSets"),
                 QVariant("SSE, SSE2, SSE3, SSE4.1, SSE4.2, AVX, FMA3, AES, AVX2, AVX-512F, SHA"));
        data->cpuid.erase("7.0");
        QCOMPARE(cpu().value("instructionSets"), QVariant("SSE, SSE2, SSE3, SSE4.1, SSE4.2, AVX, FMA3, AES"));
        data->wmi["ROOT\\CIMV2"]["Win32_Processor"][0]["Name"] = std::string(" Intel Xeon ");
        QCOMPARE(cpu().value("name"), QVariant("Intel Xeon"));
        // A processor without the brand leaves has no name to give.
        data->wmi["ROOT\\CIMV2"]["Win32_Processor"][0].erase("Name");
        data->cpuid["80000000"] = {0x80000001u, 0, 0, 0};
        QVERIFY(!cpu().value("name").isValid());
    }

    void instructionSetsOfOlderProcessors()
    {
        // SSE2 and SSE3 only, and AVX2 without AVX-512.
        const platform::CpuidRegisters old{0, 0, 1u << 0, (1u << 25) | (1u << 26)};
        QCOMPARE(instructionSetsText(old, platform::CpuidRegisters{0, 1u << 5, 0, 0}),
                 QString("SSE, SSE2, SSE3, AVX2"));
        QVERIFY(instructionSetsText(std::nullopt, std::nullopt).isEmpty());
    }

    // The recorded trees show a laptop and desktops with and without a socket; the notes are in the
    // expected file.
    void upgradeRule()
    {
        const struct {
            const char *name, *deviceType, *socket;
            int upgradeMethod;
        } cases[] = {{"desktop socket, spaces", "Desktop", " AM4 ", 4},
                     {"unknown type", "", "LGA1151", 0},
                     {"BGA socket on a desktop", "Desktop", "FCBGA1440", 0},
                     {"lower-case bga", "Server", "bga1744", 0},
                     {"no upgrade method", "Desktop", "U3E1", 6},
                     {"laptop with BGA", "Laptop", "BGA1528", 0},
                     {"all in one", "All-in-One", "LGA1200", 0}};
        QString text;
        for (const auto &c : cases)
            text += c.name + QStringLiteral(": ") +
                    mapText(buildCpuMap({{"SocketDesignation", c.socket}, {"UpgradeMethod", c.upgradeMethod}},
                                        {}, {}, c.deviceType)) +
                    '\n';
        KELVARO_COMPARE_GOLDEN(text, "cpu-upgrade.txt");
    }
};

KELVARO_TEST(TestProcessorRules)
#include "tst_processorrules.moc"
