#include "report/categoryrules.h"
#include "report/healthscore.h"
#include "report/textnumbers.h"
#include "testregistry.h"

#include <QTest>

#include <cmath>

namespace {

QVariantMap disk(const QString &mediaType, const QString &health, const QString &capacity = "512 GB")
{
    return {{"mediaType", mediaType}, {"health", health}, {"capacity", capacity}};
}

QVariantMap gpuTest(double throughput, bool stressTested = false, QVariant stability = {})
{
    QVariantMap result{{"tested", true}, {"throughput", throughput}, {"stressTested", stressTested}};
    if (stability.isValid())
        result.insert("stability", stability);
    return result;
}

int score(const QVariantMap &row)
{
    return row.value("score").toInt();
}

} // namespace

class TestScore : public QObject {
    Q_OBJECT

private slots:
    void numbersInText()
    {
        QCOMPARE(firstNumber("Intel Core i5 @ 2,60GHz"), 5.0); // the first number, wherever it is
        QCOMPARE(firstNumber(" 2,60GHz"), 2.6);
        QCOMPARE(firstNumber("3.5"), 3.5);
        QCOMPARE(firstNumber("12."), 12.0);
        QCOMPARE(firstNumber("không có"), 0.0);
        QCOMPARE(sizeToGb("1 TB"), 1024.0);
        QCOMPARE(sizeToGb("1.5 tb"), 1536.0);
        QCOMPARE(sizeToGb("512 MB"), 0.5);
        QCOMPARE(sizeToGb("16 GB"), 16.0);
        QCOMPARE(sizeToGb(""), 0.0);
    }

    void clampAndRoundHalfUp()
    {
        QCOMPARE(clampAndRound(-0.1), 0);
        QCOMPARE(clampAndRound(100.4), 100);
        QCOMPARE(clampAndRound(84.5), 85);
        QCOMPARE(clampAndRound(84.49), 84);
        QCOMPARE(clampAndRound(std::nan("")), 0);
    }

    void cpuByThreadsAndClock_data()
    {
        QTest::addColumn<int>("threads");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("note");
        const QString plain = "CPU";
        for (auto [threads, expected] : {std::pair{16, 100},
                                         {15, 90},
                                         {12, 90},
                                         {11, 80},
                                         {8, 80},
                                         {7, 72},
                                         {6, 72},
                                         {5, 58},
                                         {4, 58},
                                         {3, 42},
                                         {2, 42},
                                         {1, 30},
                                         {0, 30}}) {
            QTest::addRow("%d threads", threads)
                << threads << plain << expected << QString("2 lõi · %1 luồng").arg(threads);
        }
        QTest::newRow("3.5 GHz gets +5") << 8 << "i7 @ 3.50GHz" << 85 << "2 lõi · 8 luồng · 3.50 GHz";
        QTest::newRow("3.49 GHz gets nothing") << 8 << "i7 @ 3.49GHz" << 80 << "2 lõi · 8 luồng · 3.49 GHz";
        QTest::newRow("2.0 GHz gets nothing") << 8 << "i5 @ 2.00GHz" << 80 << "2 lõi · 8 luồng · 2.00 GHz";
        QTest::newRow("1.99 GHz gets -10") << 8 << "i5 @ 1.99GHz" << 70 << "2 lõi · 8 luồng · 1.99 GHz";
        QTest::newRow("comma decimal")
            << 8 << "Core i5-4210U CPU @ 2,60GHz" << 80 << "2 lõi · 8 luồng · 2.60 GHz";
        QTest::newRow("number before the at sign ignored") << 8 << "Ryzen 7 5800H" << 80 << "2 lõi · 8 luồng";
        QTest::newRow("16 threads at 4 GHz stays at 100")
            << 16 << "@ 4.0GHz" << 100 << "2 lõi · 16 luồng · 4.00 GHz";
    }

    void cpuByThreadsAndClock()
    {
        QFETCH(int, threads);
        QFETCH(QString, name);
        QFETCH(int, expected);
        QFETCH(QString, note);
        const QVariantMap row = cpuCategory({{"threads", threads}, {"cores", 2}, {"name", name}});
        QCOMPARE(score(row), expected);
        QCOMPARE(row.value("note").toString(), note);
        QCOMPARE(row.value("weight").toInt(), 22);
    }

    void ramBySizeAndChannel()
    {
        QCOMPARE(score(ramCategory({{"total", "1 TB"}})), 100);
        QCOMPARE(score(ramCategory({{"total", "512 MB"}})), 28);
        QCOMPARE(score(ramCategory({{"total", "16 GB"}})), 86);
        QCOMPARE(score(ramCategory({{"total", "15.9 GB"}})), 66);
        QCOMPARE(score(ramCategory({{"total", "32 GB"}, {"channel", "Quad Channel"}})),
                 100); // 96 + 8, clamped
        QCOMPARE(score(ramCategory({{"total", "8 GB"}, {"channel", "Triple Channel"}})), 74);
        QCOMPARE(score(ramCategory({{"total", "4 GB"}, {"channel", "Dual Channel"}})), 48);
        QCOMPARE(score(ramCategory({{"total", "4 GB"}, {"channel", "Single Channel"}})), 44);
        QCOMPARE(
            ramCategory({{"total", "16.0 GB"}, {"channel", "Dual Channel"}, {"type", "DDR4"}}).value("note"),
            QVariant("16.0 GB · Dual Channel · DDR4"));
        QCOMPARE(ramCategory({{"total", "8 GB"}, {"type", "DDR3"}}).value("note"), QVariant("8 GB · DDR3"));
    }

    void storageKeepsTheBestDisk()
    {
        QVariantMap row = storageCategory({});
        QCOMPARE(score(row), 0);
        QCOMPARE(row.value("note").toString(), QString("Không phát hiện ổ đĩa"));
        QVERIFY(!row.value("na").toBool());

        row = storageCategory({disk("HDD", "Lỗi", "1.0 TB")});
        QCOMPARE(score(row), 17);
        QCOMPARE(row.value("note").toString(), QString("HDD 1.0 TB · Lỗi"));

        // Equal scores: the later disk describes the category.
        row = storageCategory({disk("SSD", "Tốt", "256 GB"), disk("SCM", "Tốt", "1 TB")});
        QCOMPARE(score(row), 98);
        QCOMPARE(row.value("note").toString(), QString("SCM 1 TB · Tốt · 2 ổ"));

        // A worse later disk does not take over.
        row = storageCategory({disk("SSD", "Cảnh báo", "512 GB"), disk("HDD", "Tốt", "2 TB")});
        QCOMPARE(score(row), 72);
        QCOMPARE(row.value("note").toString(), QString("SSD 512 GB · Cảnh báo · 2 ổ"));

        row = storageCategory({disk("", "", "64 GB")});
        QCOMPARE(score(row), 72);
        QCOMPARE(row.value("note").toString(), QString("Ổ đĩa 64 GB"));
    }

    void gpuDiscreteAndTested()
    {
        const QVariantMap intel{
            {"name", "Intel(R) UHD Graphics 620"}, {"vendor", "Intel Corporation"}, {"vram", "128 MB"}};
        const QVariantMap nvidia{{"name", "GeForce GTX 1650"}, {"vendor", "NVIDIA"}, {"vram", "4.0 GB"}};

        QVariantMap row = gpuCategory({intel, nvidia}, {});
        QCOMPARE(row.value("name").toString(), QString("GPU (rời)"));
        QCOMPARE(score(row), 72);
        QCOMPARE(row.value("note").toString(), QString("GeForce GTX 1650 · 4.0 GB · chưa kiểm tra"));

        row = gpuCategory({}, {});
        QCOMPARE(row.value("name").toString(), QString("GPU (tích hợp)"));
        QCOMPARE(score(row), 46);
        QCOMPARE(row.value("note").toString(), QString("Không phát hiện GPU · chưa kiểm tra"));

        // The vendor alone is enough.
        QCOMPARE(gpuCategory({QVariantMap{{"name", "RX 580"}, {"vendor", "AMD Radeon"}}}, {})
                     .value("name")
                     .toString(),
                 QString("GPU (rời)"));

        QCOMPARE(score(gpuCategory({nvidia}, gpuTest(15))), 100);
        QCOMPARE(score(gpuCategory({nvidia}, gpuTest(14.9))), 92);
        QCOMPARE(score(gpuCategory({nvidia}, gpuTest(4))), 82);
        QCOMPARE(score(gpuCategory({nvidia}, gpuTest(3.9))), 76);
        QCOMPARE(score(gpuCategory({intel}, gpuTest(6))), 64);
        QCOMPARE(score(gpuCategory({intel}, gpuTest(2))), 54);
        QCOMPARE(score(gpuCategory({intel}, gpuTest(1.9))), 48);
        QCOMPARE(gpuCategory({intel}, gpuTest(3.14159)).value("note").toString(),
                 QString("Intel(R) UHD Graphics 620 · 128 MB · 3.1 GI/s"));
    }

    void gpuStabilityPenaltyOnlyForDiscrete()
    {
        const QVariantMap intel{{"name", "Intel UHD"}};
        const QVariantMap nvidia{{"name", "RTX 3060"}};
        QCOMPARE(score(gpuCategory({intel}, gpuTest(2, true, 50))), 54);
        QCOMPARE(score(gpuCategory({nvidia}, gpuTest(4, true, 50))), 72);
        QCOMPARE(score(gpuCategory({nvidia}, gpuTest(4, true, 0))), 72);
        QCOMPARE(score(gpuCategory({nvidia}, gpuTest(4, true, 60))), 82);
        QCOMPARE(score(gpuCategory({nvidia}, gpuTest(4, true))), 82); // missing reads as -1
        QCOMPARE(score(gpuCategory({nvidia}, gpuTest(4, true, 80))), 86);
        QCOMPARE(score(gpuCategory({intel}, gpuTest(2, true, 80))), 58);
        QCOMPARE(score(gpuCategory({nvidia}, gpuTest(4, false, 50))), 82); // not stress-tested
        // Stress results without a benchmark change nothing.
        QCOMPARE(score(gpuCategory({nvidia}, {{"stressTested", true}, {"stability", 90}})), 72);
    }

    void batteryWear()
    {
        QVariantMap row = batteryCategory({});
        QVERIFY(row.value("na").toBool());
        QCOMPARE(row.value("note").toString(), QString("Máy bàn — không có pin"));
        row = batteryCategory({{"present", true}});
        QVERIFY(row.value("na").toBool());
        QCOMPARE(row.value("note").toString(), QString("Có pin — không đọc được độ chai"));

        for (auto [wear, expected] : {std::pair{0.0, 100},
                                      {8.0, 100},
                                      {8.01, 88},
                                      {15.0, 88},
                                      {25.0, 74},
                                      {40.0, 52},
                                      {60.0, 32},
                                      {60.01, 18}})
            QCOMPARE(score(batteryCategory({{"present", true}, {"wearValue", wear}})), expected);

        row = batteryCategory({{"present", true}, {"wearValue", 13.25}, {"cycleCount", 312}});
        QVERIFY(!row.value("na").toBool());
        QCOMPARE(row.value("note").toString(), QString("Độ chai 13.3% · 312 chu kỳ"));
        QCOMPARE(row.value("weight").toInt(), 10);
    }

    void stabilityFromStressBenchmarkAndGpu()
    {
        QVariantMap row = stabilityCategory({}, {}, 0);
        QVERIFY(row.value("na").toBool());
        QCOMPARE(row.value("note").toString(), QString("Chưa chạy stress/benchmark"));
        QVERIFY(stabilityCategory({}, {}, 0.9).value("na").toBool()); // truncates to 0

        row = stabilityCategory({}, {}, 94.9);
        QCOMPARE(score(row), 68);
        QCOMPARE(row.value("note").toString(), QString("CPU đỉnh 94%"));
        QCOMPARE(score(stabilityCategory({}, {}, 95.0)), 80);

        row =
            stabilityCategory({{"cpuSingle", "900 MOPS"}}, {{"stressTested", true}, {"stability", 80}}, 99.5);
        QCOMPARE(score(row), 100);
        QCOMPARE(row.value("note").toString(), QString("CPU đỉnh 99% · benchmark ✓ · GPU 80%"));

        row = stabilityCategory({}, {{"stressTested", true}}, 0);
        QCOMPARE(score(row), 60);
        QCOMPARE(row.value("note").toString(), QString("GPU -1%"));
    }

    void overallAndGrade()
    {
        const auto rows = [](std::initializer_list<std::pair<int, int>> scoreAndWeight) {
            QVariantList list;
            for (auto [s, w] : scoreAndWeight)
                list << categoryRow("x", s, w, "");
            return list;
        };
        // 84.5 exactly rounds up.
        QCOMPARE(overallScore(rows({{84, 1}, {85, 1}})), 85);
        QCOMPARE(gradeFor(85).word, QString("Xuất sắc"));
        QCOMPARE(gradeFor(84).word, QString("Tốt"));
        QCOMPARE(gradeFor(70).color, QString("#3B82F6"));
        QCOMPARE(gradeFor(69).word, QString("Khá"));
        QCOMPARE(gradeFor(55).color, QString("#F59E0B"));
        QCOMPARE(gradeFor(54).word, QString("Trung bình"));
        QCOMPARE(gradeFor(40).color, QString("#F97316"));
        QCOMPARE(gradeFor(39).word, QString("Yếu"));
        QCOMPARE(gradeFor(0).color, QString("#DC2626"));

        QVariantList allNa{categoryRow("a", 90, 10, "", true)};
        QCOMPARE(overallScore(allNa), 0);
    }

    void noBatteryNothingTestedAveragesFourRows()
    {
        ReportInputs in;
        in.hardware.cpu = {{"threads", 8}, {"cores", 4}};    // 80
        in.hardware.ramSummary = {{"total", "16 GB"}};       // 86
        in.hardware.disks = {disk("SSD", "Tốt")};            // 98
        in.hardware.gpus = {QVariantMap{{"name", "Intel"}}}; // 46
        in.hardware.battery = {{"present", false}};
        const ReportSummary summary = computeScore(in);
        QCOMPARE(summary.categories.size(), 6);
        // (80·22 + 86·18 + 98·18 + 46·22) ÷ 80 = 76.05
        QCOMPARE(summary.overall, 76);
        QCOMPARE(summary.grade, QString("Tốt"));
        QVERIFY(summary.categories[4].toMap().value("na").toBool());
        QVERIFY(summary.categories[5].toMap().value("na").toBool());
    }

    void nothingScannedIsWeak()
    {
        const ReportSummary summary = computeScore({});
        QStringList names;
        QList<int> scores;
        for (const QVariant &row : summary.categories) {
            names << row.toMap().value("name").toString();
            scores << row.toMap().value("score").toInt();
        }
        QCOMPARE(names, (QStringList{"CPU", "RAM", "Lưu trữ", "GPU (tích hợp)", "Pin", "Kiểm tra ổn định"}));
        QCOMPARE(scores, (QList<int>{30, 28, 0, 46, 0, 0}));
        QCOMPARE(summary.categories[0].toMap().value("note").toString(), QString("0 lõi · 0 luồng"));
        QCOMPARE(summary.categories[1].toMap().value("note").toString(), QString());
        QCOMPARE(summary.categories[3].toMap().value("note").toString(),
                 QString("Không phát hiện GPU · chưa kiểm tra"));
        QCOMPARE(summary.overall, 27);
        QCOMPARE(summary.grade, QString("Yếu"));
        QCOMPARE(summary.gradeColor, QString("#DC2626"));
    }
};

KELVARO_TEST(TestScore)
#include "tst_score.moc"
