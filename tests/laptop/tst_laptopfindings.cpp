#include "datarow.h"
#include "golden.h"
#include "laptop/laptopchecks.h"
#include "laptop/laptopevaluation.h"
#include "laptop/laptopverdict.h"
#include "maptext.h"
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

struct Machine {
    QString name;
    QVariantMap system;
    QString cpu;
    QVariantMap summary;
    QVariantList modules;
    QVariantList disks;
};

Machine machine(const char *name, const QVariantMap &system, const QString &cpu = {},
                const QVariantMap &summary = {}, const QVariantList &modules = {},
                const QVariantList &disks = {})
{
    return {QString::fromUtf8(name), system, cpu, summary, modules, disks};
}

QVariantList findingsWithImpacts(int majors, int minors, int upgrades)
{
    QVariantList findings{makeFinding("Ổ cứng", "neutral", FindingStatus::Warn, "d", FindingImpact::None)};
    for (int i = 0; i < majors; ++i)
        findings << makeFinding("CPU", QString("major %1").arg(i), FindingStatus::Alert, "d");
    for (int i = 0; i < minors; ++i)
        findings << makeFinding("CPU", QString("minor %1").arg(i), FindingStatus::Warn, "d");
    for (int i = 0; i < upgrades; ++i)
        findings << makeFinding("RAM", QString("upgrade %1").arg(i), FindingStatus::Info, "d",
                                FindingImpact::Upgrade);
    return findings;
}

} // namespace

class TestLaptopFindings : public QObject {
    Q_OBJECT

private slots:
    void memoryGenerationOfATypeText()
    {
        QCOMPARE(ddrGeneration("LPDDR4x onboard — KHÔNG nâng được"), QString("ddr4"));
        QCOMPARE(ddrGeneration("DDR3L-1600 / DDR4-2133 SODIMM (tuỳ đời)"), QString("ddr4"));
        QCOMPARE(ddrGeneration("LPDDR5"), QString("ddr5"));
        QCOMPARE(ddrGeneration("DDR2"), QString());
    }

    void vendorOfPlatformAndProcessor_data()
    {
        addColumns<QString, QString, bool>("platform", "cpu", "differs");
        addRow("Intel platform, Athlon", "Intel Kaby Lake-U (BGA)", "athlon silver 3050u", true);
        addRow("Intel platform, Core", "Intel Kaby Lake-U (BGA)", "intel core i5-7200u", false);
        addRow("AMD platform, Celeron", "AMD Zen2-3 (FP6, BGA)", "celeron n4000", true);
        addRow("neither named", "Snapdragon", "amd ryzen 5 3500u", false);
    }

    void vendorOfPlatformAndProcessor()
    {
        QFETCH(QString, platform);
        QFETCH(QString, cpu);
        QFETCH(bool, differs);
        QCOMPARE(cpuVendorDiffers(platform, cpu), differs);
    }

    // Machines made up for one rule each; what the evaluation says of them is in the expected file.
    void findingsAndVerdicts()
    {
        const QVariantMap ddr3{{"type", "DDR3"}}, samsung8 = module("8.0 GB", "Samsung");
        const QVariantList ddr5Second{module("", "", ""), module("8.0 GB", "Samsung", "DDR5")};
        QVariantMap placeholders = kHp15db;
        placeholders.insert("boardManufacturer", "%2");
        placeholders.insert("boardModel", "84A6 %1");
        const Machine machines[] = {
            machine("CPU listed", kHp15db, "Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz"),
            machine("CPU listed before the slash", kInspiron5570, "Intel(R) Core(TM) i7-8550U CPU"),
            machine("CPU listed after the slash", kInspiron5570, "AMD Ryzen 5 2500U with Radeon"),
            // A processor swap still alerts: name and DDR4 memory fit the Intel-only entry.
            machine("CPU of the other vendor than the platform", kPavilion, "AMD Ryzen 5 3500U",
                    {{"type", "DDR4"}}),
            machine("CPU of the same vendor, unlisted", kHp15db, "Intel(R) Core(TM) i5-10210U CPU"),
            machine("CPU unlisted, platform of two vendors", kTuf, "Intel(R) Core(TM) i7-10870H"),
            machine("blank CPU name: the board only", kHp15db, "  "),
            machine("unknown model: no CPU or board finding", kUnknown, "AMD Ryzen 5 3500U"),
            machine("placeholders in the board name stay as they are", placeholders),
            machine("DDR3 where the maker fits DDR4: another model, no match", kHp15db, {}, ddr3),
            machine("the first module naming a generation decides", kHp15db, {}, {}, ddr5Second),
            machine("the summary's type before the modules", kHp15db, {}, {{"type", "DDR4"}}, ddr5Second),
            machine("no generation named: no skip", kHp15db, {}, {}, {module("4.0 GB", "Micron", "")}),
            machine("8 GB and 4 GB", kUnknown, {}, {}, {samsung8, module("4.0 GB", "Samsung")}),
            machine("two memory makers", kUnknown, {}, {}, {samsung8, module("8.0 GB", "Micron")}),
            machine("a maker spelled differently", kUnknown, {}, {},
                    {samsung8, module("8.0 GB", " SAMSUNG ")}),
            machine("one maker unknown", kUnknown, {}, {}, {samsung8, module("8.0 GB", "")}),
            machine("a module without capacity", kUnknown, {}, {}, {samsung8, module("", "Micron")}),
            machine("upgradable, with a note", kUnknown, {},
                    {{"upgradable", true}, {"upgradeNote", "Ghi chú."}}),
            machine("upgradable, free slots", kUnknown, {}, {{"upgradable", true}, {"freeSlots", 2}}),
            machine("upgradable, slots full", kUnknown, {}, {{"upgradable", true}, {"freeSlots", 0}}),
            machine("at the maximum, with a note", kUnknown, {},
                    {{"total", "8.0 GB"}, {"upgradeNote", "Đã đạt."}}),
            machine("at the maximum", kUnknown, {}, {{"upgradable", false}, {"total", "16.0 GB"}}),
            machine("memory: nothing known", kUnknown, {}, {{"upgradeNote", "x"}}),
            machine("only a hard disk, which costs nothing", kUnknown, {}, {}, {}, {disk("932 GB", "HDD")}),
            machine("SSD and HDD", kUnknown, {}, {}, {}, {disk("477 GB", "SSD"), disk("932 GB", "HDD")}),
            machine("two SSDs", kUnknown, {}, {}, {}, {disk("477 GB", "SSD"), disk("239 GB", "SSD")}),
            machine("NVMe without a media type", kUnknown, {}, {}, {}, {disk("477 GB", "", "NVMe")}),
            machine("a disk without capacity", kUnknown, {}, {}, {},
                    {disk("477 GB", "SSD"), disk("", "HDD")}),
            machine("disks of neither kind", kUnknown, {}, {}, {}, {disk("16 GB", "SCM"), disk("32 GB", "")}),
            machine("not enough data", kUnknown, "Intel(R) Core(TM) i3-2330M", {{"upgradable", false}},
                    {module("4.0 GB", "Samsung")}),
        };
        QString text;
        for (const Machine &m : machines) {
            const QVariantMap result =
                evaluateLaptop(m.system, {{"name", m.cpu}}, m.summary, m.modules, m.disks);
            QVERIFY(result.value("isLaptop").toBool());
            text += "== " + m.name + '\n' + linesText("finding", result.value("findings")) +
                    linesText("verdict", result.value("verdict"));
        }
        KELVARO_COMPARE_GOLDEN(text, "laptop-findings.txt");
    }

    void scoreAndStars_data()
    {
        addColumns<int, int, int, int, QString, QString>("majors", "minors", "upgrades", "score", "starText",
                                                         "title");
        const QString changed = "Có dấu hiệu thay đổi lớn", upgraded = "Đã nâng cấp hợp lệ";
        addRow("one major", 1, 0, 0, 72, "★★★☆☆", changed);
        addRow("three majors, raised to 35", 3, 0, 0, 35, "★☆☆☆☆", changed);
        addRow("one upgrade", 0, 0, 1, 97, "★★★★★", upgraded);
        addRow("two upgrades", 0, 0, 2, 94, "★★★★☆", upgraded);
        addRow("three minors", 0, 3, 0, 73, "★★★☆☆", upgraded);
        addRow("four minors", 0, 4, 0, 64, "★★☆☆☆", upgraded);
        addRow("hard disk warning only", 0, 0, 0, 100, "★★★★★", "Nguyên bản");
    }

    void scoreAndStars()
    {
        QFETCH(int, majors);
        QFETCH(int, minors);
        QFETCH(int, upgrades);
        QFETCH(QString, starText);
        const QVariantMap verdict = laptopVerdict(findingsWithImpacts(majors, minors, upgrades), true);
        QTEST(verdict.value("score").toInt(), "score");
        QCOMPARE(verdict.value("starText").toString(), starText);
        QCOMPARE(verdict.value("stars").toInt(), starText.count(QChar(0x2605)));
        QTEST(verdict.value("title").toString(), "title");
        QCOMPARE(verdict.value("level").toString(), QString(majors ? "alert" : "ok"));
    }

    // Without a matched entry nothing is compared with a maker standard, so whatever the memory
    // and storage findings weigh, the verdict claims neither conformity nor a change.
    void noMatchNoVerdict()
    {
        const QVariantMap none = laptopVerdict(findingsWithImpacts(0, 0, 0), false);
        QCOMPARE(laptopVerdict(findingsWithImpacts(1, 1, 1), false), none);
        QCOMPARE(none.value("title").toString(), QString("Không đủ dữ liệu"));
        QCOMPARE(none.value("score").toInt(), 0);
    }

    // The verdict texts are pinned by the findings golden; the upgrade deduction appears in none
    // of its machines.
    void verdictReasonsInFindingOrder()
    {
        const QVariantMap verdict = laptopVerdict(findingsWithImpacts(1, 1, 1), true);
        QCOMPARE(verdict.value("reasons").toStringList(),
                 QStringList({"−28đ: major 0", "−9đ: minor 0", "−3đ: upgrade 0 (nâng cấp hợp lệ)"}));
    }
};

KELVARO_TEST(TestLaptopFindings)
#include "tst_laptopfindings.moc"
