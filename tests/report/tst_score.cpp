#include "report/categoryrules.h"
#include "report/healthscore.h"
#include "report/textnumbers.h"
#include "testregistry.h"

#include <QTest>

namespace {

int scoreOf(const QVariantMap &row)
{
    return row.value("score").toInt();
}

QString noteOf(const QVariantMap &row)
{
    return row.value("note").toString();
}

QVariantMap disk(const QString &mediaType, const QString &health, const QString &capacity)
{
    return {{"mediaType", mediaType}, {"health", health}, {"capacity", capacity}};
}

QVariantMap gpuTest(double throughput, int stability)
{
    return {{"tested", true}, {"throughput", throughput}, {"stressTested", true}, {"stability", stability}};
}

} // namespace

class TestScore : public QObject {
    Q_OBJECT

private slots:
    void textNumbers()
    {
        QCOMPARE(firstNumber("i5 @ 2.6"), 5.0); // the first number wins
        QCOMPARE(clampAndRound(84.5), 85);
        QCOMPARE(clampAndRound(-3), 0);
        QCOMPARE(clampAndRound(104), 100);
    }

    void cpuThreadsAndClock()
    {
        const QList<QPair<int, int>> steps{{16, 100}, {15, 90}, {12, 90}, {8, 80}, {7, 72}, {6, 72},
                                           {5, 58},   {4, 58},  {3, 42},  {2, 42}, {1, 30}};
        for (const auto &[threads, expected] : steps)
            QCOMPARE(scoreOf(cpuCategory({{"threads", threads}})), expected);

        const auto at = [](const QString &name) {
            return cpuCategory({{"threads", 8}, {"cores", 4}, {"name", name}});
        };
        QCOMPARE(scoreOf(at("i7 @ 3.50GHz")), 85);
        QCOMPARE(scoreOf(at("i5 @ 2.00GHz")), 80);
        QCOMPARE(scoreOf(at("i5 @ 1.99GHz")), 70);
        QCOMPARE(noteOf(at("Core i5-4210U CPU @ 2,60GHz")), QString("4 lõi · 8 luồng · 2.60 GHz"));
        QCOMPARE(noteOf(at("Ryzen 7 5800H")), QString("4 lõi · 8 luồng"));
        QCOMPARE(scoreOf(at("Ryzen 7 5800H")), 80);
    }

    void ramSizeAndChannel()
    {
        QCOMPARE(scoreOf(ramCategory({{"total", "1 TB"}})), 100);
        QCOMPARE(scoreOf(ramCategory({{"total", "512 MB"}})), 28);
        QCOMPARE(scoreOf(ramCategory({{"total", "16 GB"}})), 86);
        QCOMPARE(scoreOf(ramCategory({{"total", "8 GB"}, {"channel", "Triple Channel"}})), 74);
        QCOMPARE(scoreOf(ramCategory({{"total", "4 GB"}, {"channel", "Dual Channel"}})), 48);
        QCOMPARE(noteOf(ramCategory({{"total", "8 GB"}, {"type", "DDR3"}})), QString("8 GB · DDR3"));
    }

    void storageKeepsTheBestDisk()
    {
        QCOMPARE(scoreOf(storageCategory({disk("HDD", "Lỗi", "1.0 TB")})), 17);
        // Equal scores: the later disk describes the category.
        QVariantMap row = storageCategory({disk("SSD", "Tốt", "256 GB"), disk("SCM", "Tốt", "1 TB")});
        QCOMPARE(scoreOf(row), 98);
        QCOMPARE(noteOf(row), QString("SCM 1 TB · Tốt · 2 ổ"));
        row = storageCategory({disk("SSD", "Cảnh báo", "512 GB"), disk("HDD", "Tốt", "2 TB")});
        QCOMPARE(noteOf(row), QString("SSD 512 GB · Cảnh báo · 2 ổ"));
        QCOMPARE(noteOf(storageCategory({disk("", "", "64 GB")})), QString("Ổ đĩa 64 GB"));
        QCOMPARE(noteOf(storageCategory({})), QString("Không phát hiện ổ đĩa"));
    }

    void gpuDiscreteThroughputAndStability()
    {
        const QVariantMap intel{
            {"name", "Intel(R) UHD Graphics 620"}, {"vendor", "Intel Corporation"}, {"vram", "128 MB"}};
        const QVariantMap nvidia{{"name", "GeForce GTX 1650"}, {"vendor", "NVIDIA"}, {"vram", "4.0 GB"}};
        QVariantMap row = gpuCategory({intel, nvidia}, {});
        QCOMPARE(row.value("name").toString(), QString("GPU (rời)"));
        QCOMPARE(scoreOf(row), 72);
        QCOMPARE(noteOf(row), QString("GeForce GTX 1650 · 4.0 GB · chưa kiểm tra"));

        QCOMPARE(scoreOf(gpuCategory({nvidia}, gpuTest(3.9, 70))), 76);
        QCOMPARE(scoreOf(gpuCategory({intel}, gpuTest(1.9, 70))), 48);
        // The stability penalty is for discrete GPUs only, and never for a missing value.
        QCOMPARE(scoreOf(gpuCategory({intel}, gpuTest(2, 50))), 54);
        QCOMPARE(scoreOf(gpuCategory({nvidia}, gpuTest(4, 50))), 72);
        QCOMPARE(scoreOf(gpuCategory({nvidia}, gpuTest(4, -1))), 82);
        QCOMPARE(noteOf(gpuCategory({intel}, gpuTest(3.14, 0))),
                 QString("Intel(R) UHD Graphics 620 · 128 MB · 3.1 GI/s"));
    }

    void batteryWear()
    {
        QVERIFY(batteryCategory({}).value("na").toBool());
        QCOMPARE(noteOf(batteryCategory({{"present", true}})), QString("Có pin — không đọc được độ chai"));
        const auto wear = [](double value) {
            return scoreOf(batteryCategory({{"present", true}, {"wearValue", value}}));
        };
        QCOMPARE(wear(8.0), 100);
        QCOMPARE(wear(8.01), 88);
        QCOMPARE(wear(60.0), 32);
        QCOMPARE(wear(60.01), 18);
        QCOMPARE(noteOf(batteryCategory({{"present", true}, {"wearValue", 13.25}, {"cycleCount", 312}})),
                 QString("Độ chai 13.3% · 312 chu kỳ"));
    }

    void stabilityPeakBenchmarkAndGpu()
    {
        QVERIFY(stabilityCategory({}, {}, 0.9).value("na").toBool()); // truncates to 0
        QCOMPARE(scoreOf(stabilityCategory({}, {}, 94.9)), 68);
        QCOMPARE(scoreOf(stabilityCategory({}, {}, 95.0)), 80);
        const QVariantMap row =
            stabilityCategory({{"cpuSingle", "900 MOPS"}}, {{"stressTested", true}, {"stability", 80}}, 99.5);
        QCOMPARE(scoreOf(row), 100);
        QCOMPARE(noteOf(row), QString("CPU đỉnh 99% · benchmark ✓ · GPU 80%"));
    }

    void overallAndGrade()
    {
        QCOMPARE(overallScore({categoryRow("a", 84, 1, ""), categoryRow("b", 85, 1, ""),
                               categoryRow("c", 0, 5, "", true)}),
                 85);
        QCOMPARE(gradeFor(85).word, QString("Xuất sắc"));
        QCOMPARE(gradeFor(84).color, QString("#3B82F6"));
        QCOMPARE(gradeFor(55).word, QString("Khá"));
        QCOMPARE(gradeFor(54).color, QString("#F97316"));
        QCOMPARE(gradeFor(39).word, QString("Yếu"));
    }

    void nothingScannedIsWeak()
    {
        const ReportSummary summary = computeScore({});
        QList<int> scores;
        for (const QVariant &row : summary.categories)
            scores << scoreOf(row.toMap());
        QCOMPARE(scores, (QList<int>{30, 28, 0, 46, 0, 0}));
        QCOMPARE(noteOf(summary.categories[0].toMap()), QString("0 lõi · 0 luồng"));
        QCOMPARE(noteOf(summary.categories[3].toMap()), QString("Không phát hiện GPU · chưa kiểm tra"));
        QVERIFY(summary.categories[4].toMap().value("na").toBool());
        QVERIFY(summary.categories[5].toMap().value("na").toBool());
        QCOMPARE(summary.overall, 27);
        QCOMPARE(summary.grade, QString("Yếu"));
    }
};

KELVARO_TEST(TestScore)
#include "tst_score.moc"
