#include "fakesource.h"
#include "perf/perfmonitor.h"
#include "testregistry.h"

#include <QSignalSpy>
#include <QTest>

namespace {

platform::Row zoneRow(std::uint32_t tenthsKelvin)
{
    return platform::Row{{"CurrentTemperature", tenthsKelvin}};
}

} // namespace

class TestPerfMonitor : public QObject {
    Q_OBJECT

private slots:
    void firstSampleIsMeasuredFromBegin()
    {
        auto source = std::make_shared<FakeSource>();
        source->readings = {std::vector{times(1000, 2000, 0), times(500, 1000, 1000)},
                            std::vector{times(1250, 2500, 500), times(500, 1000, 1000)}};
        source->memory = platform::MemoryStatus{quint64(8) << 30, quint64(6) << 30};
        source->thermalRows = {zoneRow(3132), zoneRow(3332), zoneRow(0)};
        PerfMonitor monitor(source, 20);
        QSignalSpy samples(&monitor, &PerfMonitor::sample);

        monitor.begin();
        QCOMPARE(samples.count(), 0);
        QCOMPARE(source->timesAsked.load(), 1);

        QVERIFY(samples.wait(2000));
        const PerfSample first = samples.first().at(0).value<PerfSample>();
        // cpu0 was busy for 750 of 1000 units since begin; cpu1 did not advance.
        QCOMPARE(first.cpu, 37.5);
        QCOMPARE(first.cores, (QVariantList{75.0, 0.0}));
        QCOMPARE(first.ramPercent, 25.0);
        QCOMPARE(first.ramUsed, QStringLiteral("2.0 GB"));
        QCOMPARE(first.ramTotal, QStringLiteral("8.0 GB"));
        QVERIFY(qAbs(first.temp - 60.05) < 1e-9);
        QCOMPARE(first.tempOk, true);
        monitor.end();
    }

    void missingDataIsVisibleInTheSample()
    {
        auto source = std::make_shared<FakeSource>();
        source->wmiAvailable = false;
        PerfMonitor monitor(source, 10);
        QSignalSpy samples(&monitor, &PerfMonitor::sample);
        monitor.begin();
        QVERIFY(samples.wait(2000));
        const PerfSample sample = samples.first().at(0).value<PerfSample>();
        QCOMPARE(sample.cpu, 0.0);
        QVERIFY(sample.cores.isEmpty());
        QCOMPARE(sample.ramPercent, 0.0);
        QVERIFY(sample.ramUsed.isEmpty());
        QVERIFY(sample.ramTotal.isEmpty());
        QCOMPARE(sample.temp, -1.0);
        QCOMPARE(sample.tempOk, false);
    }

    void endReleasesComAndBeginReconnects()
    {
        auto source = std::make_shared<FakeSource>();
        PerfMonitor monitor(source, 10);
        QSignalSpy samples(&monitor, &PerfMonitor::sample);

        monitor.begin();
        monitor.begin(); // re-primes, keeps the apartment
        QCOMPARE(source->comInits.load(), 1);
        QCOMPARE(source->wmiOpens.load(), 1);
        QCOMPARE(samples.count(), 0);

        monitor.end();
        QCOMPARE(source->comUninits.load(), 1);
        QTest::qWait(50);
        QCOMPARE(samples.count(), 0); // the timer stopped

        monitor.begin();
        QCOMPARE(source->comInits.load(), 2);
        QCOMPARE(source->wmiOpens.load(), 2);
        QVERIFY(samples.wait(2000));
    }

    void destroyingARunningMonitorReleasesCom()
    {
        auto source = std::make_shared<FakeSource>();
        {
            PerfMonitor monitor(source, 1000);
            monitor.begin();
        }
        QCOMPARE(source->comUninits.load(), 1);
    }
};

KELVARO_TEST(TestPerfMonitor)
#include "tst_perfmonitor.moc"
