#include "maptext.h"
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
    // Stages that measured nothing leave their texts out.
    void resultMaps()
    {
        BenchmarkFigures figures;
        figures.multiMops = 50;
        figures.diskReadMiBps = 99.9;
        QCOMPARE(
            mapText(benchmarkResult(figures)),
            QString("cpuMulti=50 MOPS; cpuMultiScore=50; cpuSingle=0 MOPS; cpuSingleScore=0; cpuThreads=1; "
                    "diskRead=100 MB/s; diskScore=99; ramScore=0"));
        figures.singleMops = 123.6;
        figures.multiMops = 964.08; // 7.8 times the single rate
        figures.threads = 8;
        figures.ramGBps = 12.349;
        figures.diskWriteMiBps = 480.7;
        figures.diskReadMiBps = 1510.2;
        QCOMPARE(
            mapText(benchmarkResult(figures)),
            QString(
                "cpuMulti=964 MOPS; cpuMultiScore=964; cpuScaling=7.8×; cpuSingle=124 MOPS; "
                "cpuSingleScore=123; cpuThreads=8; diskRead=1510 MB/s; diskScore=1990; diskWrite=481 MB/s; "
                "ramBandwidth=12.3 GB/s; ramScore=1234"));
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
};

KELVARO_TEST(TestCpuBenchmark)
#include "tst_cpubenchmark.moc"
