#include "perf/cpubenchmark.h"
#include "perf/diskspeed.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestCpuBenchmark : public QObject {
    Q_OBJECT

private slots:
    void resultMapOfAFullRun()
    {
        BenchmarkFigures figures;
        figures.singleMops = 123.6;
        figures.multiMops = 964.08; // 7.8 times the single rate
        figures.threads = 8;
        figures.ramGBps = 12.349;
        figures.diskWriteMiBps = 480.7;
        figures.diskReadMiBps = 1510.2;
        const QVariantMap map = benchmarkResult(figures);
        QCOMPARE(map.value("cpuSingle").toString(), QStringLiteral("124 MOPS"));
        QCOMPARE(map.value("cpuSingleScore"), QVariant(123));
        QCOMPARE(map.value("cpuMulti").toString(), QStringLiteral("964 MOPS"));
        QCOMPARE(map.value("cpuMultiScore"), QVariant(964));
        QCOMPARE(map.value("cpuThreads"), QVariant(8));
        QCOMPARE(map.value("cpuScaling").toString(), QStringLiteral("7.8×"));
        QCOMPARE(map.value("ramBandwidth").toString(), QStringLiteral("12.3 GB/s"));
        QCOMPARE(map.value("ramScore"), QVariant(1234));
        QCOMPARE(map.value("diskWrite").toString(), QStringLiteral("481 MB/s"));
        QCOMPARE(map.value("diskRead").toString(), QStringLiteral("1510 MB/s"));
        QCOMPARE(map.value("diskScore"), QVariant(1990));
        QCOMPARE(map.size(), 11);
    }

    void stagesThatMeasuredNothingLeaveTheirTextsOut()
    {
        BenchmarkFigures figures;
        figures.multiMops = 50;
        figures.diskReadMiBps = 99.9;
        const QVariantMap map = benchmarkResult(figures);
        QVERIFY(!map.contains("cpuScaling"));
        QCOMPARE(map.value("cpuSingle").toString(), QStringLiteral("0 MOPS"));
        QVERIFY(!map.contains("ramBandwidth"));
        QCOMPARE(map.value("ramScore"), QVariant(0));
        QVERIFY(!map.contains("diskWrite"));
        QCOMPARE(map.value("diskRead").toString(), QStringLiteral("100 MB/s"));
        QCOMPARE(map.value("diskScore"), QVariant(99));
    }

    void diskRoundTripReadsWhatWasWritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kelvaro_bench.tmp"));
        const std::atomic<bool> cancel{false};
        // A block size the device cannot take unbuffered exercises the cached fallback too.
        for (const std::size_t block : {std::size_t(1) << 20, std::size_t(100000)}) {
            const DiskSpeed speed =
                measureDiskSpeed(QFile::encodeName(path).toStdString(), 3u << 20, block, cancel);
            const std::uint64_t expected = (((3u << 20) + block - 1) / block) * block;
            QCOMPARE(speed.writtenBytes, expected);
            QCOMPARE(speed.readBytes, expected);
            QVERIFY(speed.writeMiBps > 0);
            QVERIFY(speed.readMiBps > 0);
            QVERIFY(!QFile::exists(path));
        }
    }

    void cancelledDiskStageStillRemovesItsFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kelvaro_bench.tmp"));
        const std::atomic<bool> cancel{true};
        const DiskSpeed speed =
            measureDiskSpeed(QFile::encodeName(path).toStdString(), 8u << 20, 1u << 20, cancel);
        QCOMPARE(speed.writtenBytes, std::uint64_t(0));
        QCOMPARE(speed.readBytes, std::uint64_t(0));
        QVERIFY(!QFile::exists(path));
    }

    void progressPostsEachStageInOrder()
    {
        QTemporaryDir dir;
        BenchmarkSettings settings;
        settings.kernelSteps = 1000;
        settings.copyWindowMs = 1;
        settings.copyBufferBytes = 4096;
        settings.diskFileBytes = 1 << 20;
        settings.diskBlockBytes = 1 << 20;
        settings.tempFolder = dir.path();
        QStringList stages;
        const std::atomic<bool> cancel{false};
        const QVariantMap map = runCpuBenchmark(
            settings,
            [&stages](int percent, const QString &stage) {
                stages << QString::number(percent) + ' ' + stage;
            },
            cancel);
        QCOMPARE(stages,
                 (QStringList{QStringLiteral("8 CPU — đơn luồng"), QStringLiteral("30 CPU — đa luồng"),
                              QStringLiteral("58 Băng thông RAM"), QStringLiteral("80 Tốc độ ổ đĩa")}));
        // One pair at least: the window is checked before each pair.
        QVERIFY(map.value("ramScore").toInt() > 0);
        QVERIFY(map.contains("diskWrite"));
    }
};

KELVARO_TEST(TestCpuBenchmark)
#include "tst_cpubenchmark.moc"
