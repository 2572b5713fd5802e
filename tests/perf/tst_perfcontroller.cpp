#include "fakesource.h"
#include "perf/perfcontroller.h"
#include "testregistry.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

namespace {

std::atomic<int> aliveWorkers{0};

// Stands in for the floating-point loop: counts the workers that have not returned yet.
void countingKernel(const std::atomic<bool> &stop)
{
    ++aliveWorkers;
    while (!stop.load())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    --aliveWorkers;
}

int logicalProcessors()
{
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

PerfSettings quickSettings(std::shared_ptr<FakeSource> source)
{
    PerfSettings settings;
    settings.source = std::move(source);
    settings.sampleIntervalMs = 10;
    settings.stressTickMs = 10;
    settings.stressKernel = countingKernel;
    settings.benchmark.kernelSteps = 20000;
    settings.benchmark.copyWindowMs = 5;
    settings.benchmark.copyBufferBytes = 1 << 20;
    settings.benchmark.diskFileBytes = 2 << 20;
    settings.benchmark.diskBlockBytes = 1 << 20;
    return settings;
}

void feed(PerfController &perf, double cpu, double ram, QString used, QString total, double temp, bool tempOk)
{
    perf.onSample(PerfSample{cpu, {cpu}, ram, std::move(used), std::move(total), temp, tempOk});
}

} // namespace

class TestPerfController : public QObject {
    Q_OBJECT

private slots:
    void historiesKeepTheLastMinute()
    {
        PerfController perf(quickSettings(std::make_shared<FakeSource>()));
        QSignalSpy sampled(&perf, &PerfController::sampled);
        for (int i = 1; i <= 61; ++i)
            feed(perf, i, i / 2.0, QStringLiteral("1.0 GB"), QStringLiteral("8.0 GB"), i % 2 ? 50.0 : -1.0,
                 i % 2 == 1);
        QCOMPARE(sampled.count(), 61);
        QCOMPARE(perf.cpuHistory().size(), 60);
        QCOMPARE(perf.ramHistory().size(), 60);
        QCOMPARE(perf.tempHistory().size(), 60);
        QCOMPARE(perf.cpuHistory().first().toDouble(), 2.0); // the first sample dropped
        QCOMPARE(perf.cpuHistory().last().toDouble(), 61.0);
        QCOMPARE(perf.ramHistory().first().toDouble(), 1.0);
        // Samples without a temperature chart as 0.
        QCOMPARE(perf.tempHistory().first().toDouble(), 0.0);
        QCOMPARE(perf.tempHistory().last().toDouble(), 50.0);
    }

    void emptyMemoryTextsKeepThePreviousOnes()
    {
        PerfController perf(quickSettings(std::make_shared<FakeSource>()));
        feed(perf, 10, 40, QStringLiteral("3.2 GB"), QStringLiteral("8.0 GB"), 55, true);
        feed(perf, 20, 0, QString(), QString(), -1, false);
        QCOMPARE(perf.ramUsedText(), QStringLiteral("3.2 GB"));
        QCOMPARE(perf.ramTotalText(), QStringLiteral("8.0 GB"));
        QCOMPARE(perf.ramPercent(), 0.0);
        QCOMPARE(perf.cpuTemp(), -1.0);
        QVERIFY(!perf.tempAvailable());
    }

    void liveSamplesReachTheProperties()
    {
        auto source = std::make_shared<FakeSource>();
        source->readings = {std::vector{times(0, 0, 0)}, std::vector{times(100, 150, 50)}};
        source->memory = platform::MemoryStatus{quint64(4) << 30, quint64(1) << 30};
        PerfController perf(quickSettings(source));
        QSignalSpy sampled(&perf, &PerfController::sampled);
        perf.startMonitor();
        QVERIFY(sampled.wait(2000));
        QCOMPARE(perf.cpuLoad(), 50.0);
        QCOMPARE(perf.ramUsedText(), QStringLiteral("3.0 GB"));
        QCOMPARE(perf.ramPercent(), 75.0);
    }

    void monitorSwitchesOnlyOnChange()
    {
        auto source = std::make_shared<FakeSource>();
        PerfController perf(quickSettings(source));
        QSignalSpy changed(&perf, &PerfController::monitoringChanged);
        perf.stopMonitor();
        perf.startMonitor();
        perf.startMonitor();
        QCOMPARE(changed.count(), 1);
        perf.stopMonitor();
        QCOMPARE(changed.count(), 2);
        QTRY_COMPARE(source->comUninits.load(), 1);
    }

    void stressWithoutDurationRunsUntilStopped()
    {
        auto source = std::make_shared<FakeSource>();
        PerfController perf(quickSettings(source));
        QSignalSpy monitoring(&perf, &PerfController::monitoringChanged);
        QSignalSpy stress(&perf, &PerfController::stressChanged);

        perf.startStress(-5);
        QVERIFY(perf.stressRunning());
        QVERIFY(perf.monitoring());
        QCOMPARE(monitoring.count(), 1);
        QCOMPARE(perf.stressDuration(), 0);
        QCOMPARE(perf.stressThreads(), logicalProcessors());
        QTRY_COMPARE(aliveWorkers.load(), logicalProcessors());

        perf.startStress(1); // already running: ignored
        QCOMPARE(perf.stressDuration(), 0);
        QTRY_VERIFY(perf.stressElapsed() >= 10);
        QVERIFY(perf.stressRunning());

        perf.stopStress();
        QVERIFY(!perf.stressRunning());
        QCOMPARE(aliveWorkers.load(), 0);
        QVERIFY(perf.monitoring()); // stopping the stress test leaves the monitor on
        QCOMPARE(monitoring.count(), 1);

        const int emitted = stress.count();
        perf.stopStress();
        QCOMPARE(stress.count(), emitted);
    }

    void stressStopsOnItsLastTickWithPeaks()
    {
        PerfSettings settings = quickSettings(std::make_shared<FakeSource>());
        settings.stressTickMs = 200;
        settings.sampleIntervalMs = 3'600'000; // only the samples fed here
        PerfController perf(settings);
        QSignalSpy stress(&perf, &PerfController::stressChanged);
        perf.startStress(3);
        feed(perf, 80, 10, {}, {}, 71.5, true);
        QTRY_COMPARE(perf.stressElapsed(), 1);
        feed(perf, 95, 10, {}, {}, 90.0, false); // an invalid reading is no peak
        QTRY_COMPARE(perf.stressElapsed(), 2);
        feed(perf, 60, 10, {}, {}, 68.0, true);
        QTRY_VERIFY(!perf.stressRunning());
        QCOMPARE(perf.stressElapsed(), 3);
        QCOMPARE(perf.stressDuration(), 3);
        QCOMPARE(aliveWorkers.load(), 0);
        QCOMPARE(perf.stressMaxLoad(), 95.0);
        QCOMPARE(perf.stressMaxTemp(), 71.5);
        // start, two ticks, and the stop on the third tick
        QCOMPARE(stress.count(), 4);
        QTest::qWait(250);
        QCOMPARE(perf.stressElapsed(), 3); // results stay until the next run
    }

    void destroyingDuringStressJoinsWorkersBeforeReleasingCom()
    {
        auto source = std::make_shared<FakeSource>();
        int aliveAtUninitialize = -1;
        source->onComUninitialize = [&aliveAtUninitialize] { aliveAtUninitialize = aliveWorkers.load(); };
        {
            PerfController perf(quickSettings(source));
            perf.startStress(0);
            QTRY_COMPARE(source->comInits.load(), 1);
            QTRY_COMPARE(aliveWorkers.load(), logicalProcessors());
        }
        QCOMPARE(source->comUninits.load(), 1);
        QCOMPARE(aliveAtUninitialize, 0);
    }

    // A later report replaces its own keys and leaves the other run's keys alone.
    void gpuReportsOnlyAddOrReplaceKeys()
    {
        PerfController perf(quickSettings(std::make_shared<FakeSource>()));
        QSignalSpy changed(&perf, &PerfController::gpuResultChanged);
        perf.reportGpuStress(85, QStringLiteral("Ổn định"));
        perf.reportGpuBenchmark(18, 4.6, QStringLiteral("Khá"));
        perf.reportGpuBenchmark(20, 5.0, QStringLiteral("Tốt"));
        QCOMPARE(changed.count(), 3);
        const QVariantMap expected{{"score", 20},         {"throughput", 5.0}, {"verdict", "Tốt"},
                                   {"tested", true},      {"stability", 85},   {"stressVerdict", "Ổn định"},
                                   {"stressTested", true}};
        QCOMPARE(perf.gpuResult(), expected);
    }

    void oneBenchmarkAtATime()
    {
        QTemporaryDir temp;
        PerfSettings settings = quickSettings(std::make_shared<FakeSource>());
        settings.benchmark.tempFolder = temp.path();
        PerfController perf(settings);
        QSignalSpy changed(&perf, &PerfController::benchChanged);
        QList<int> percents;
        QStringList stages;
        connect(&perf, &PerfController::benchChanged, this, [&] {
            percents << perf.benchProgress();
            stages << perf.benchStage();
        });

        perf.runBenchmark();
        perf.runBenchmark();
        QCOMPARE(changed.count(), 1);
        QVERIFY(perf.benchRunning());
        QVERIFY(perf.benchmark().isEmpty());

        QTRY_VERIFY(!perf.benchRunning());
        QCOMPARE(perf.benchProgress(), 100);
        // The start, each of the four stages once, and the end, always rising.
        QCOMPARE(percents.size(), 6);
        QVERIFY(std::adjacent_find(percents.begin(), percents.end(), std::greater_equal<int>()) ==
                percents.end());
        QCOMPARE(percents.first(), 0);
        QCOMPARE(stages.first(), QStringLiteral("Đang khởi động…"));
        QCOMPARE(stages.last(), QStringLiteral("Hoàn tất"));
        const QVariantMap result = perf.benchmark();
        for (const char *score : {"cpuSingleScore", "cpuMultiScore", "ramScore"})
            QVERIFY2(result.value(score).toInt() > 0, score);
        QCOMPARE(result.value("cpuThreads").toInt(), logicalProcessors());
        for (const char *key : {"cpuScaling", "diskWrite", "diskRead"})
            QVERIFY2(result.contains(key), key);
        QVERIFY(QDir(temp.path()).isEmpty());

        perf.runBenchmark(); // a finished run does not block the next one
        QVERIFY(perf.benchRunning());
        QVERIFY(perf.benchmark().isEmpty());
        QTRY_VERIFY(!perf.benchRunning());
    }

    void unwritableTemporaryFolderLeavesOutTheDisk()
    {
        QTemporaryDir temp;
        QFile blocker(temp.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        PerfSettings settings = quickSettings(std::make_shared<FakeSource>());
        // Below a plain file nothing can be created, not even by root.
        settings.benchmark.tempFolder = blocker.fileName();
        PerfController perf(settings);
        perf.runBenchmark();
        QTRY_VERIFY(!perf.benchRunning());
        const QVariantMap result = perf.benchmark();
        QVERIFY(!result.contains("diskWrite"));
        QVERIFY(!result.contains("diskRead"));
        QCOMPARE(result.value("diskScore"), QVariant(0));
        for (const char *key : {"cpuSingle", "cpuSingleScore", "cpuMulti", "cpuMultiScore", "cpuThreads",
                                "cpuScaling", "ramBandwidth", "ramScore"})
            QVERIFY2(result.contains(key), key);
    }

    void destroyingDuringABenchmarkWaitsForTheTask()
    {
        QTemporaryDir temp;
        PerfSettings settings = quickSettings(std::make_shared<FakeSource>());
        settings.benchmark.tempFolder = temp.path();
        settings.benchmark.kernelSteps = 2'000'000;
        {
            PerfController perf(settings);
            perf.runBenchmark();
        }
        // Nothing posts to the dead controller, and the task left no file behind.
        QTest::qWait(20);
        QVERIFY(QDir(temp.path()).isEmpty());
    }
};

KELVARO_TEST(TestPerfController)
#include "tst_perfcontroller.moc"
