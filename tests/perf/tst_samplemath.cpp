#include "datarow.h"
#include "fakesource.h"
#include "perf/samplemath.h"
#include "testregistry.h"

#include <QTest>

using platform::ProcessorTimes;

namespace {

QVariantMap zone(QVariant tenthsKelvin)
{
    return {{QStringLiteral("CurrentTemperature"), tenthsKelvin}};
}

} // namespace

class TestSampleMath : public QObject {
    Q_OBJECT

private slots:
    void memoryTexts_data()
    {
        addColumns<quint64, QString>("bytes", "text");
        QTest::newRow("1 GiB") << (quint64(1) << 30) << "1.0 GB";
        QTest::newRow("one byte less") << (quint64(1) << 30) - 1 << "1024 MB";
        QTest::newRow("nothing") << quint64(0) << "0 MB";
    }

    void memoryTexts()
    {
        QFETCH(quint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(memorySizeText(bytes), text);
    }

    void loadsFromCounterDifferences()
    {
        ProcessorLoadMeter meter;
        meter.measure({times(1000, 1500, 500), times(0, 0, 0), times(5000, 6000, 0)});
        // cpu0: 400 idle of 1000; cpu1: no time passed; cpu2: idle grew more than the total.
        const std::vector<double> loads =
            meter.measure({times(1400, 2000, 1000), times(0, 0, 0), times(5900, 6500, 0)});
        QCOMPARE(loads.size(), std::size_t(3));
        QCOMPARE(loads[0], 60.0);
        QCOMPARE(loads[1], 0.0);
        QCOMPARE(loads[2], 0.0);
    }

    void countersGoingBackwardsStayInRange()
    {
        ProcessorLoadMeter meter;
        meter.measure({times(5000, 9000, 1000), times(100, 200, 100)});
        // cpu0's total went backwards (the unsigned difference wraps); cpu1's idle did.
        const std::vector<double> loads = meter.measure({times(4000, 8000, 900), times(50, 400, 200)});
        QCOMPARE(loads[0], 0.0);
        QCOMPARE(loads[1], 0.0);
    }

    void processorCountChangeRestartsNewEntries()
    {
        ProcessorLoadMeter meter;
        meter.measure({times(100, 200, 0)});
        const std::vector<double> loads = meter.measure({times(150, 300, 0), times(10, 20, 20)});
        QCOMPARE(loads.size(), std::size_t(2));
        QCOMPARE(loads[0], 50.0);
        QCOMPARE(loads[1], 75.0); // measured from zero
    }

    // More available than installed is a bad reading: no use, not a wrapped number. The monitor's
    // first sample shows an ordinary one.
    void memoryUseOfABadReading()
    {
        const MemoryUse odd = memoryUse({quint64(1) << 30, quint64(2) << 30});
        QCOMPARE(odd.percent, 0.0);
        QCOMPARE(odd.usedText, QStringLiteral("0 MB"));

        QCOMPARE(memoryUse({0, 0}).percent, 0.0);
    }

    void hottestValidZone_data()
    {
        addColumns<QList<QVariantMap>, double>("rows", "celsius");
        QTest::newRow("no zones") << QList<QVariantMap>{} << -1.0;
        QTest::newRow("0 K ignored") << QList<QVariantMap>{zone(0), zone(3032)} << 30.05;
        QTest::newRow("0 °C and below ignored") << QList<QVariantMap>{zone(2731.5), zone(2500)} << -1.0;
        QTest::newRow("125 °C and above ignored")
            << QList<QVariantMap>{zone(3985), zone(4500), zone(3132)} << 40.05;
        QTest::newRow("just inside the window") << QList<QVariantMap>{zone(3981)} << 124.95;
        QTest::newRow("missing or text values")
            << QList<QVariantMap>{QVariantMap{}, zone(QStringLiteral("hot"))} << -1.0;
        QTest::newRow("numbers as text count") << QList<QVariantMap>{zone(QStringLiteral("3132"))} << 40.05;
    }

    void hottestValidZone()
    {
        QFETCH(QList<QVariantMap>, rows);
        QFETCH(double, celsius);
        QVERIFY2(qAbs(hottestZoneCelsius(rows) - celsius) < 1e-9,
                 qPrintable(QString::number(hottestZoneCelsius(rows))));
    }
};

KELVARO_TEST(TestSampleMath)
#include "tst_samplemath.moc"
