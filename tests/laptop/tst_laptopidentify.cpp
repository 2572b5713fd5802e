#include "datarow.h"
#include "laptop/laptopcatalogue.h"
#include "laptop/laptopidentify.h"
#include "maptext.h"
#include "testregistry.h"

#include <QTest>

namespace {

const QString kRyzen2500U = QStringLiteral("AMD Ryzen 5 2500U with Radeon Vega Mobile Gfx");
const QString kCoreI5_8250U = QStringLiteral("Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz");

LaptopModel entry(const QString &series, const QStringList &keys, const QString &group)
{
    LaptopModel model;
    model.brand = QStringLiteral("Test");
    model.series = series;
    model.matchKeys = keys;
    model.cpuPlatform = series + QStringLiteral(" platform");
    model.boardId = series + QStringLiteral(" board");
    model.swapGroup = group;
    return model;
}

} // namespace

class TestLaptopIdentify : public QObject {
    Q_OBJECT

private slots:
    // Strings as real machines report them: manufacturer, model, system family, processor, and the
    // memory generation the machine runs (sources in tests/data/laptop/README.md).
    void realMachineNames_data()
    {
        addColumns<QString, QString, QString, QString, QString, QString>("manufacturer", "model", "family",
                                                                         "cpu", "memory", "series");

        const auto row = [](const char *name, const QString &manufacturer, const QString &model,
                            const QString &family, const QString &cpu, const QString &memory,
                            const QString &series) {
            QTest::newRow(name) << manufacturer << model << family << cpu << memory << series;
        };
        const QString ryzen3500U = "AMD Ryzen 5 3500U with Radeon Vega Mobile Gfx";
        row("HP 15-db with Ryzen: the Intel entry is skipped", "HP", "HP Laptop 15-db0xxx",
            "103C_5335KV HP Notebook", kRyzen2500U, "ddr4", "HP 15-db (AMD)");
        row("HP 15-db with Core i5", "HP", "HP Laptop 15-db0xxx", "", kCoreI5_8250U, "ddr4",
            "HP 15-da / 15-db (Intel)");
        row("tie without a processor name: the earlier entry", "HP", "HP Laptop 15-db0xxx", "", "", "",
            "HP 15-da / 15-db (Intel)");
        row("Lenovo machine type without family is unknown", "LENOVO", "20L6001ATX", "", kCoreI5_8250U, "",
            "");
        row("Huawei code as model", "HUAWEI", "NBLK-WAX9X", "MateBook D", ryzen3500U, "",
            "Huawei MateBook D14/D15");
        row("Legion 5 Pro in the family only", "LENOVO", "82JU", "Legion 5 Pro 16ACH6H",
            "AMD Ryzen 7 5800H with Radeon Graphics", "ddr4", "Lenovo Legion 5 / Y540 / Y545 (gaming)");
        row("nothing reported", "", "", "", "", "", "");
        row("firmware filler", "To Be Filled By O.E.M.", "To Be Filled By O.E.M.", "Default string", "", "",
            "");
        // A generation the entry does not name means another model that shares a name fragment.
        row("Aspire 5742G with DDR3 is no Aspire 5 (A515)", "Acer", "Aspire 5742G", "Intel_Mobile",
            "Intel(R) Pentium(R) CPU        P6200  @ 2.13GHz", "ddr3", "");
        row("XPS 13 9360 with LPDDR3 is no XPS 13 9300", "Dell Inc.", "XPS 13 9360", "XPS",
            "Intel(R) Core(TM) i7-7500U CPU @ 2.70GHz", "ddr3", "");
    }

    void realMachineNames()
    {
        QFETCH(QString, manufacturer);
        QFETCH(QString, model);
        QFETCH(QString, family);
        QFETCH(QString, cpu);
        QFETCH(QString, memory);
        QFETCH(QString, series);
        const LaptopMatch match = identifyLaptop(laptopCatalogue(), manufacturer, model, family, cpu, memory);
        QCOMPARE(match.found, !series.isEmpty());
        QCOMPARE(match.series, series);
    }

    void matchCarriesTheEntry()
    {
        QVariantMap board =
            boardMap(identifyLaptop(laptopCatalogue(), "HP", "HP Laptop 15-db0xxx", "", kRyzen2500U, "ddr4"));
        QVERIFY(board.take("upgradeNote").toString().startsWith("CPU AMD hàn chết"));
        QCOMPARE(
            mapText(board),
            QString("boardId=HP 15-db (AMD); brand=HP; cpuOptions=A4-9125, A6-9225, Ryzen 3 2200U, Ryzen 5 "
                    "2500U; "
                    "cpuPlatform=AMD Raven Ridge (FP5, BGA); cpuSoldered=true; cpuUpgradable=false; "
                    "formFactor=15.6\" phổ thông; found=true; interchangeable=[]; maxRam=16 GB; ramSlots=2; "
                    "ramType=DDR4-2400 SODIMM; series=HP 15-db (AMD); swapGroup=hp-15db-amd"));
    }

    void laterEntryWithMoreMatchWins()
    {
        const QVector<LaptopModel> catalogue{entry("Alpha", {"alpha", "zzz"}, "a"),
                                             entry("Alpha 15", {"alpha 15", "yyy"}, "b")};
        QCOMPARE(identifyLaptop(catalogue, "Maker", "Alpha 15", "", "", "").series, QString("Alpha 15"));
        QCOMPARE(identifyLaptop(catalogue, "Maker", "Alpha 14", "", "", "").series, QString("Alpha"));
    }

    // The memory generation skips an entry like the processor vendor does, and the best of the
    // remaining entries is taken; an entry naming no generation accepts any.
    void memoryGenerationSkipsToTheNextEntry()
    {
        QVector<LaptopModel> catalogue{entry("Alpha 15", {"alpha 15"}, "a"), entry("Alpha", {"alpha"}, "b"),
                                       entry("Alpha any", {"alpha"}, "c")};
        catalogue[0].ramType = "DDR4-2666 / LPDDR4x onboard";
        catalogue[1].ramType = "DDR3L-1600 / DDR5-4800";
        const auto seriesFor = [&](const QString &generation) {
            return identifyLaptop(catalogue, "Maker", "Alpha 15", "", "", generation).series;
        };
        QCOMPARE(seriesFor("ddr4"), QString("Alpha 15"));
        QCOMPARE(seriesFor(""), QString("Alpha 15"));
        QCOMPARE(seriesFor("ddr3"), QString("Alpha"));
        QCOMPARE(seriesFor("ddr5"), QString("Alpha"));
        catalogue[1].ramType = "SODIMM";
        QCOMPARE(seriesFor("ddr3"), QString("Alpha"));
        catalogue[1].ramType = "DDR4";
        QCOMPARE(seriesFor("ddr3"), QString("Alpha any"));
    }

    void interchangeableBoardsOfTheSameGroup()
    {
        const QVector<LaptopModel> catalogue{
            entry("Alpha 14", {"alpha 14"}, "alpha"), entry("Beta 15", {"beta 15"}, "other"),
            entry("Alpha 15", {"alpha 15"}, "alpha"), entry("Alpha 13", {"alpha 13"}, "alpha")};
        const LaptopMatch match = identifyLaptop(catalogue, "Maker", "Alpha 15 X", "", "", "");
        QCOMPARE(match.series, QString("Alpha 15"));
        QCOMPARE(match.interchangeable, QStringList({"Alpha 14 board — Alpha 14 platform (Alpha 14)",
                                                     "Alpha 13 board — Alpha 13 platform (Alpha 13)"}));
    }
};

KELVARO_TEST(TestLaptopIdentify)
#include "tst_laptopidentify.moc"
