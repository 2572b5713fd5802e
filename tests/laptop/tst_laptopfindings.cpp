#include "datarow.h"
#include "laptop/laptopchecks.h"
#include "laptop/laptopevaluation.h"
#include "laptop/laptopidentify.h"
#include "laptop/laptopverdict.h"
#include "testregistry.h"

#include <QTest>

namespace {

QVariantMap laptop(const QString &manufacturer, const QString &model)
{
    return {{"deviceType", "Laptop"}, {"manufacturer", manufacturer}, {"model", model}};
}

const QVariantMap kHp15db = laptop("HP", "HP Laptop 15-db0xxx");
const QVariantMap kPavilion = laptop("HP", "HP Pavilion Laptop 15-cs0xxx");
const QVariantMap kInspiron5570 = laptop("Dell Inc.", "Inspiron 5570");
const QVariantMap kTuf = laptop("ASUSTeK COMPUTER INC.", "TUF Gaming FX505DT_FX505DT");
const QVariantMap kUnknown = laptop("TOSHIBA", "SATELLITE C660");

QVariantMap module(const QString &capacity, const QString &maker, const QString &type = "DDR4")
{
    return {{"capacity", capacity}, {"manufacturer", maker}, {"type", type}};
}

QVariantMap disk(const QString &capacity, const QString &mediaType, const QString &interface = "SCSI")
{
    return {{"capacity", capacity}, {"mediaType", mediaType}, {"interface", interface}};
}

QVariantList findingsOf(const QVariantMap &system, const QString &cpuName = {},
                        const QVariantMap &ramSummary = {}, const QVariantList &ramModules = {},
                        const QVariantList &disks = {})
{
    return evaluateLaptop(system, {{"name", cpuName}}, ramSummary, ramModules, disks)
        .value("findings")
        .toList();
}

QStringList labelsOf(const QVariantList &findings)
{
    QStringList labels;
    for (const QVariant &finding : findings)
        labels << finding.toMap().value("label").toString();
    return labels;
}

QVariantList findingsWithImpacts(int majors, int minors, int upgrades)
{
    QVariantList findings{makeFinding("Ổ cứng", "neutral", "warn", "d", "none")};
    for (int i = 0; i < majors; ++i)
        findings << makeFinding("CPU", QString("major %1").arg(i), "alert", "d");
    for (int i = 0; i < minors; ++i)
        findings << makeFinding("CPU", QString("minor %1").arg(i), "warn", "d");
    for (int i = 0; i < upgrades; ++i)
        findings << makeFinding("RAM", QString("upgrade %1").arg(i), "info", "d", "upgrade");
    return findings;
}

} // namespace

class TestLaptopFindings : public QObject {
    Q_OBJECT

private slots:
    void processorAndMemoryTexts()
    {
        QCOMPARE(normalizeCpuName("Intel(R) Core(TM) i5-8250U CPU"), QString("intel core i5-8250u"));
        QCOMPARE(normalizeCpuName("  AMD Ryzen 5 2500U\twith  Radeon Processor "),
                 QString("amd ryzen 5 2500u with radeon"));
        QCOMPARE(ddrGeneration("LPDDR4x onboard — KHÔNG nâng được"), QString("ddr4"));
        QCOMPARE(ddrGeneration("DDR3L-1600 / DDR4-2133 SODIMM (tuỳ đời)"), QString("ddr4"));
        QCOMPARE(ddrGeneration("LPDDR5"), QString("ddr5"));
        QCOMPARE(ddrGeneration("DDR2"), QString());
        QCOMPARE(makeFinding("a", "l", "alert", "d").value("impact").toString(), QString("major"));
        QCOMPARE(makeFinding("a", "l", "warn", "d").value("impact").toString(), QString("minor"));
        QCOMPARE(makeFinding("a", "l", "warn", "d", "none").value("impact").toString(), QString("none"));
    }

    void vendorOfPlatformAndProcessor_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<bool>("differs");
        addRow("Intel platform, Athlon", "Intel Kaby Lake-U (BGA)", "athlon silver 3050u", true);
        addRow("Intel platform, Core", "Intel Kaby Lake-U (BGA)", "intel core i5-7200u", false);
        addRow("AMD platform, Celeron", "AMD Zen2-3 (FP6, BGA)", "celeron n4000", true);
        addRow("AMD platform, Ryzen", "AMD Zen2-3 (FP6, BGA)", "amd ryzen 7 4800h", false);
        addRow("both named, Core", "Intel/AMD U-series (BGA)", "intel core i7-10510u", false);
        addRow("both named, Ryzen", "Intel Coffee Lake-H / AMD Zen2 (BGA)", "amd ryzen 9 5900hx", false);
        addRow("neither named", "Snapdragon", "amd ryzen 5 3500u", false);
    }

    void vendorOfPlatformAndProcessor()
    {
        QFETCH(QString, platform);
        QFETCH(QString, cpu);
        QFETCH(bool, differs);
        QCOMPARE(cpuVendorDiffers(platform, cpu), differs);
    }

    void processorAgainstTheMatchedEntry_data()
    {
        QTest::addColumn<QVariantMap>("system");
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<QString>("label");

        const QString listed = "CPU đúng cấu hình hãng";
        const QString unlisted = "CPU không có trong danh sách phổ biến";
        QTest::newRow("listed") << kHp15db << "Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz" << listed;
        QTest::newRow("listed before the slash")
            << kInspiron5570 << "Intel(R) Core(TM) i7-8550U CPU" << listed;
        QTest::newRow("listed after the slash") << kInspiron5570 << "AMD Ryzen 5 2500U with Radeon" << listed;
        QTest::newRow("other vendor than the platform") << kPavilion << "AMD Ryzen 5 3500U"
                                                        << "CPU khác hãng so với nền tảng main";
        QTest::newRow("same vendor, unlisted") << kHp15db << "Intel(R) Core(TM) i5-10210U CPU" << unlisted;
        QTest::newRow("two-vendor platform, unlisted Intel")
            << kTuf << "Intel(R) Core(TM) i7-10870H" << unlisted;
        QTest::newRow("two-vendor platform, unlisted AMD") << kTuf << "AMD Ryzen 9 5900HX" << unlisted;
    }

    void processorAgainstTheMatchedEntry()
    {
        QFETCH(QVariantMap, system);
        QFETCH(QString, cpu);
        QFETCH(QString, label);
        const QVariantList findings = findingsOf(system, cpu);
        QCOMPARE(findings.value(0).toMap().value("label").toString(), label);
        QCOMPARE(findings.value(1).toMap().value("area").toString(), QString("Mainboard"));
    }

    void otherVendorIsMajorAndNamesThePlatform()
    {
        const QVariantMap finding = findingsOf(kPavilion, "AMD Ryzen 5 3500U").value(0).toMap();
        QCOMPARE(finding.value("status").toString(), QString("alert"));
        QCOMPARE(finding.value("impact").toString(), QString("major"));
        QCOMPARE(
            finding.value("detail").toString(),
            QString("Main thuộc nền tảng Intel Kaby Lake / Whiskey Lake-U (BGA) nhưng CPU lại là hãng khác → "
                    "nghi đã tháo lắp/ghép main hoặc độ chế."));
    }

    void noProcessorFindingWithoutNameOrMatch()
    {
        QCOMPARE(findingsOf(kHp15db, "").value(0).toMap().value("area").toString(), QString("Mainboard"));
        QCOMPARE(findingsOf(kHp15db, "  ").value(0).toMap().value("area").toString(), QString("Mainboard"));
        QVERIFY(findingsOf(kUnknown, "AMD Ryzen 5 3500U").isEmpty());
    }

    void boardShowsActualAndStandard()
    {
        QVariantMap system = kHp15db;
        QCOMPARE(
            findingsOf(system).value(0).toMap().value("detail").toString(),
            QString("Dòng main chuẩn của hãng: HP 15-da (DAG7Bxx / L20374-xxx). Hãy đối chiếu mã in trên PCB "
                    "khi thay main."));
        // Placeholders in a board name stay as they are.
        system.insert("boardManufacturer", "%2");
        system.insert("boardModel", "84A6 %1");
        QCOMPARE(findingsOf(system).value(0).toMap().value("detail").toString(),
                 QString("Main thực tế: %2 84A6 %1 · Dòng chuẩn: HP 15-da (DAG7Bxx / L20374-xxx)."));
    }

    void memoryGeneration()
    {
        const QString label = "RAM khác chuẩn hãng";
        const QVariantMap ddr3{{"type", "DDR3"}};
        const QVariantMap finding = findingsOf(kHp15db, {}, ddr3).value(1).toMap();
        QCOMPARE(
            finding.value("detail").toString(),
            QString("Hãng dùng DDR4 nhưng máy đang gắn DDR3 → nghi tháo lắp/độ chế hoặc nhận diện sai."));
        QCOMPARE(finding.value("impact").toString(), QString("major"));
        // Without a summary type the first module naming a generation decides.
        const QVariantList modules{module("", "", ""), module("8.0 GB", "Samsung", "DDR5")};
        QVERIFY(labelsOf(findingsOf(kHp15db, {}, {}, modules)).contains(label));
        QVERIFY(!labelsOf(findingsOf(kHp15db, {}, {{"type", "DDR4"}}, modules)).contains(label));
        QVERIFY(!labelsOf(findingsOf(kHp15db, {}, {}, {module("4.0 GB", "Micron", "")})).contains(label));
        QVERIFY(!labelsOf(findingsOf(kUnknown, {}, ddr3)).contains(label));
    }

    void mixedModules_data()
    {
        QTest::addColumn<QVariantList>("modules");
        QTest::addColumn<bool>("mixed");
        const QVariantMap samsung8 = module("8.0 GB", "Samsung");
        addRow("8 GB and 4 GB", QVariantList{samsung8, module("4.0 GB", "Samsung")}, true);
        addRow("two makers", QVariantList{samsung8, module("8.0 GB", "Micron")}, true);
        addRow("maker spelled differently", QVariantList{samsung8, module("8.0 GB", " SAMSUNG ")}, false);
        addRow("one maker unknown", QVariantList{samsung8, module("8.0 GB", "")}, false);
        addRow("module without capacity", QVariantList{samsung8, module("", "Micron")}, false);
    }

    void mixedModules()
    {
        QFETCH(QVariantList, modules);
        QFETCH(bool, mixed);
        const QVariantList findings = findingsOf(kUnknown, {}, {}, modules);
        QCOMPARE(labelsOf(findings), mixed ? QStringList{"RAM không đồng nhất giữa các khe"} : QStringList{});
        if (mixed)
            QCOMPARE(findings[0].toMap().value("impact").toString(), QString("upgrade"));
    }

    void memoryCapacity_data()
    {
        QTest::addColumn<QVariantMap>("summary");
        QTest::addColumn<QString>("detail");
        addRow("upgradable, note", QVariantMap{{"upgradable", true}, {"upgradeNote", "Ghi chú."}},
               "Ghi chú.");
        addRow("upgradable, free slots", QVariantMap{{"upgradable", true}, {"freeSlots", 2}},
               "Còn 2 khe RAM trống.");
        addRow("upgradable, slots full", QVariantMap{{"upgradable", true}, {"freeSlots", 0}},
               "Có thể nâng dung lượng RAM.");
        addRow("at maximum, note", QVariantMap{{"total", "8.0 GB"}, {"upgradeNote", "Đã đạt."}}, "Đã đạt.");
        addRow("at maximum", QVariantMap{{"upgradable", false}, {"total", "16.0 GB"}},
               "RAM đã đầy / đạt mức hỗ trợ tối đa.");
        addRow("nothing known", QVariantMap{{"upgradeNote", "x"}}, "");
    }

    void memoryCapacity()
    {
        QFETCH(QVariantMap, summary);
        QFETCH(QString, detail);
        const QVariantList findings = findingsOf(kUnknown, {}, summary);
        QCOMPARE(findings.size(), detail.isEmpty() ? 0 : 1);
        if (!detail.isEmpty()) {
            const bool upgradable = summary.value("upgradable").toBool();
            QCOMPARE(findings[0].toMap().value("label").toString(),
                     upgradable ? QString("RAM còn nâng cấp được") : QString("RAM đã đạt mức tối đa"));
            QCOMPARE(findings[0].toMap().value("detail").toString(), detail);
        }
    }

    void storage_data()
    {
        QTest::addColumn<QVariantList>("disks");
        QTest::addColumn<QStringList>("labels");
        const QString several = "Đang có 2 thiết bị lưu trữ", ssd = "Đang dùng SSD";
        addRow("only a hard disk", QVariantList{disk("932 GB", "HDD")}, QStringList{"Chỉ có ổ cứng HDD"});
        addRow("SSD and HDD", QVariantList{disk("477 GB", "SSD"), disk("932 GB", "HDD")},
               QStringList{"Có nhiều thiết bị lưu trữ", several});
        addRow("two SSDs", QVariantList{disk("477 GB", "SSD"), disk("239 GB", "SSD")},
               QStringList{ssd, several});
        addRow("NVMe without media type", QVariantList{disk("477 GB", "", "NVMe")}, QStringList{ssd});
        addRow("disk without capacity", QVariantList{disk("477 GB", "SSD"), disk("", "HDD")},
               QStringList{ssd});
        addRow("neither kind", QVariantList{disk("16 GB", "SCM"), disk("32 GB", "")}, QStringList{several});
    }

    void storage()
    {
        QFETCH(QVariantList, disks);
        QFETCH(QStringList, labels);
        QCOMPARE(labelsOf(storageFindings(disks)), labels);
    }

    void scoreAndStars_data()
    {
        QTest::addColumn<int>("majors");
        QTest::addColumn<int>("minors");
        QTest::addColumn<int>("upgrades");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("starText");
        QTest::newRow("one major") << 1 << 0 << 0 << 72 << "★★★☆☆";
        QTest::newRow("three majors, raised to 35") << 3 << 0 << 0 << 35 << "★☆☆☆☆";
        QTest::newRow("one upgrade") << 0 << 0 << 1 << 97 << "★★★★★";
        QTest::newRow("two upgrades") << 0 << 0 << 2 << 94 << "★★★★☆";
        QTest::newRow("three minors") << 0 << 3 << 0 << 73 << "★★★☆☆";
        QTest::newRow("four minors") << 0 << 4 << 0 << 64 << "★★☆☆☆";
        QTest::newRow("two majors") << 2 << 0 << 0 << 44 << "★☆☆☆☆";
        QTest::newRow("hard disk warning only") << 0 << 0 << 0 << 100 << "★★★★★";
    }

    void scoreAndStars()
    {
        QFETCH(int, majors);
        QFETCH(int, minors);
        QFETCH(int, upgrades);
        QFETCH(int, score);
        QFETCH(QString, starText);
        const QVariantMap verdict = laptopVerdict(findingsWithImpacts(majors, minors, upgrades));
        QCOMPARE(verdict.value("score").toInt(), score);
        QCOMPARE(verdict.value("starText").toString(), starText);
        QCOMPARE(verdict.value("stars").toInt(), starText.count(QChar(0x2605)));
        const QString title =
            majors ? "Có dấu hiệu thay đổi lớn" : (minors || upgrades ? "Đã nâng cấp hợp lệ" : "Nguyên bản");
        QCOMPARE(verdict.value("title").toString(), title);
        QCOMPARE(verdict.value("level").toString(), QString(majors ? "alert" : "ok"));
    }

    void verdictReasonsAndTexts()
    {
        QVariantMap verdict = laptopVerdict(findingsWithImpacts(1, 1, 1));
        QCOMPARE(verdict.value("reasons").toStringList(),
                 QStringList({"−28đ: major 0", "−9đ: minor 0", "−3đ: upgrade 0 (nâng cấp hợp lệ)"}));
        QCOMPARE(verdict.value("text").toString(), QString("Có dấu hiệu thay đổi linh kiện quan trọng (CPU / "
                                                           "mainboard / màn hình). Khuyến nghị kiểm tra "
                                                           "thêm trước khi kết luận."));
        QCOMPARE(laptopVerdict(findingsWithImpacts(0, 0, 0)).value("text").toString(),
                 QString("Không phát hiện thay đổi linh kiện quan trọng. Cấu hình phù hợp chuẩn hãng."));
        QCOMPARE(
            laptopVerdict(findingsWithImpacts(0, 1, 0)).value("text").toString(),
            QString("Không phát hiện thay đổi linh kiện quan trọng. Máy có thể đã được nâng cấp hợp lệ RAM/ổ "
                    "cứng."));
    }

    void notEnoughData()
    {
        const QVariantMap result = evaluateLaptop(kUnknown, {{"name", "Intel(R) Core(TM) i3-2330M"}},
                                                  {{"upgradable", false}}, {module("4.0 GB", "Samsung")}, {});
        QVERIFY(result.value("isLaptop").toBool());
        QVERIFY(result.value("findings").toList().isEmpty());
        const QVariantMap verdict = result.value("verdict").toMap();
        QCOMPARE(verdict.value("level").toString(), QString("info"));
        QCOMPARE(verdict.value("title").toString(), QString("Không đủ dữ liệu"));
        QCOMPARE(
            verdict.value("text").toString(),
            QString(
                "Chưa đủ dữ liệu chuẩn của hãng để đối chiếu chi tiết dòng máy này. Không kết luận khi thiếu "
                "dữ liệu."));
        QCOMPARE(verdict.value("score").toInt(), 0);
        QCOMPARE(verdict.value("starText").toString(), QString("★★★★★"));
    }

    // The hard-disk warning carries no deduction.
    void unmatchedLaptopStillGetsMemoryAndStorage()
    {
        const QVariantMap result = evaluateLaptop(kUnknown, {{"name", "Intel(R) Core(TM) i3-2330M"}},
                                                  {{"total", "6.0 GB"}}, {}, {disk("298 GB", "HDD")});
        QCOMPARE(labelsOf(result.value("findings").toList()),
                 QStringList({"RAM đã đạt mức tối đa", "Chỉ có ổ cứng HDD"}));
        QCOMPARE(result.value("verdict").toMap().value("score").toInt(), 100);
    }

    void desktopIsNotEvaluated()
    {
        QVariantMap system = kHp15db;
        system.insert("deviceType", "Desktop");
        const QVariantMap result = evaluateLaptop(system, {{"name", "Intel(R) Core(TM) i5-8250U"}},
                                                  {{"total", "8.0 GB"}}, {}, {disk("932 GB", "HDD")});
        QVERIFY(!result.value("isLaptop").toBool());
        QVERIFY(result.value("findings").toList().isEmpty());
        QVERIFY(result.value("verdict").toMap().isEmpty());
        // The board of a machine the catalogue does not know, though an HP 15-db is in it.
        QCOMPARE(result.value("board").toMap(), boardMap(LaptopMatch{}));
    }
};

KELVARO_TEST(TestLaptopFindings)
#include "tst_laptopfindings.moc"
