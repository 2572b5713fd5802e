#include "hardware/memoryrules.h"
#include "maptext.h"
#include "testregistry.h"

#include <QTest>

namespace {

QVariantMap module(quint64 bytes)
{
    return {{"Capacity", QString::number(bytes)}, {"SMBIOSMemoryType", 26}};
}

QVariantMap summarise(const QList<QVariantMap> &rows, const QVariantMap &array)
{
    QVariantList modules;
    for (const QVariantMap &row : rows)
        modules.append(memoryModuleMap(row));
    return buildRamSummary(rows, modules, array);
}

constexpr quint64 GiB = quint64(1) << 30;

} // namespace

class TestMemoryRules : public QObject {
    Q_OBJECT

private slots:
    // SMBIOS type 17 codes beside the named ones name nothing.
    void memoryTypeAndChannelNames()
    {
        QStringList types;
        for (const int code : {2, 18, 20, 24, 25, 26, 29, 30, 34, 35, 36})
            types << memoryTypeName(code);
        QCOMPARE(types, (QStringList{"", "DDR", "DDR2", "DDR3", "", "DDR4", "LPDDR3", "LPDDR4", "DDR5",
                                     "LPDDR5", ""}));
        QStringList channels;
        for (const int modules : {0, 1, 2, 3, 4, 6})
            channels << channelText(modules);
        QCOMPARE(channels, (QStringList{"", "Single Channel", "Dual Channel", "Multi Channel", "Quad Channel",
                                        "Multi Channel"}));
    }

    void moduleMap()
    {
        QVariantMap row{{"Capacity", "8589934592"},
                        {"ConfiguredClockSpeed", 0},
                        {"Speed", 3200},
                        {"ConfiguredVoltage", 1200},
                        {"DataWidth", 64},
                        {"TotalWidth", 72},
                        {"FormFactor", 12},
                        {"DeviceLocator", " DIMM A "},
                        {"PartNumber", "8ATF1G64HZ-2G3H1    "}};
        QCOMPARE(mapText(memoryModuleMap(row)),
                 QString("capacity=8.0 GB; ecc=true; formFactor=SODIMM; "
                         "partNumber=8ATF1G64HZ-2G3H1; slot=DIMM A; speed=3200 MT/s; "
                         "voltage=1.20 V"));
        row["ConfiguredClockSpeed"] = 2933;
        row["DataWidth"] = 0;
        row["FormFactor"] = 8;
        QCOMPARE(mapText(memoryModuleMap(row)),
                 QString("capacity=8.0 GB; ecc=false; formFactor=DIMM; "
                         "partNumber=8ATF1G64HZ-2G3H1; slot=DIMM A; speed=2933 MT/s; "
                         "voltage=1.20 V"));
        QCOMPARE(mapText(memoryModuleMap({{"FormFactor", 0}, {"Speed", 0}, {"ConfiguredVoltage", 0}})),
                 QString("ecc=false"));
    }

    void summaryOfModules()
    {
        // The recorded trees show the usual summaries.
        QVariantMap s = summarise({module(8 * GiB), module(8 * GiB)}, {});
        QVERIFY(!s.contains("slots") && !s.contains("freeSlots"));

        s = summarise({module(4 * GiB), module(4 * GiB), module(4 * GiB)}, {{"MemoryDevices", 2}});
        QCOMPARE(s.value("channel").toString(), QString("Multi Channel"));
        QCOMPARE(s.value("freeSlots"), QVariant(0)); // the tables disagree; a count is never negative
        // The first module decides the type even when it has none.
        s = summarise({QVariantMap{{"Capacity", "1"}}, module(GiB)}, {});
        QVERIFY(!s.contains("type"));
    }

    // Without a known maximum the slots decide; the recorded trees show the notes of a known one.
    void upgradeNotesWithoutAMaximum()
    {
        QVariantMap s = summarise({module(8 * GiB), module(8 * GiB)}, {{"MaxCapacityEx", "0"}});
        QCOMPARE(s.value("upgradeNote").toString(),
                 QString("Đã lắp đầy khe RAM. Muốn tăng cần thay bằng thanh dung lượng cao hơn."));
        QVERIFY(!s.contains("upgradable"));
        s = summarise({module(8 * GiB)}, {{"MaxCapacityEx", "0"}, {"MemoryDevices", 4}});
        QCOMPARE(s.value("upgradeNote").toString(),
                 QString("Còn 3 khe RAM trống — có thể gắn thêm thanh để tăng dung lượng."));
        QCOMPARE(s.value("upgradable"), QVariant(true));
    }

    // Without modules or an array (the firmware tables unreadable) nothing is known to judge by.
    void nothingKnownGivesNoVerdict()
    {
        const QVariantMap s = summarise({}, {});
        QCOMPARE(s, (QVariantMap{{"usedSlots", 0}}));
    }

    void absurdCapacitiesDoNotWrap()
    {
        QCOMPARE(kilobytesToBytes(quint64(1) << 60), std::numeric_limits<quint64>::max());
        const QVariantMap s = summarise({module(std::numeric_limits<quint64>::max()), module(8 * GiB)},
                                        {{"MaxCapacityEx", "18446744073709551615"}, {"MemoryDevices", 2}});
        QCOMPARE(s.value("upgradable"), QVariant(false));
        QVERIFY(s.value("total").toString().endsWith(" TB"));
    }
};

KELVARO_TEST(TestMemoryRules)
#include "tst_memoryrules.moc"
