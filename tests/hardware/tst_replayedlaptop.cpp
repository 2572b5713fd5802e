#include "maptext.h"
#include "steprun.h"
#include "testregistry.h"

#include <QTest>

// A hybrid-graphics laptop recorded on Windows, replayed through the graphics, displays and
// battery steps.
class TestReplayedLaptop : public QObject {
    Q_OBJECT

    std::shared_ptr<ReplaySource> m_source;

private slots:
    void initTestCase()
    {
        m_source = replayProfile(QStringLiteral("hardware/laptop-hybrid-profile.json"));
        QVERIFY(m_source);
    }

    void gpus()
    {
        const QVariantList gpus = runStep(*m_source, collectGpus);
        QCOMPARE(gpus.size(), 2);
        QCOMPARE(mapText(gpus[0]),
                 QString("driver=27.20.100.8681; driverDate=2020-09-10; name=Intel(R) UHD Graphics "
                         "620; refresh=144 Hz; resolution=1920 x 1080; vendor=Intel Corporation; "
                         "vram=128 MB"));
        QCOMPARE(mapText(gpus[1]),
                 QString("driver=31.0.15.1694; driverDate=2022-08-18; name=NVIDIA GeForce GTX "
                         "1650; vendor=NVIDIA; vram=4.0 GB"));
    }

    void displays()
    {
        const QVariantList displays = runStep(*m_source, collectDisplays);
        QCOMPARE(displays.size(), 2);
        QCOMPARE(mapText(displays[0]),
                 QString("adapter=Intel(R) UHD Graphics 620; colorDepth=32-bit; maxRefresh=144 "
                         "Hz; nativeResolution=1920 x 1080; primary=true; refresh=144 Hz; "
                         "resolution=1920 x 1080; serial=0; size=15.3\"; vendor=LG Display; "
                         "year=2020"));
        QCOMPARE(mapText(displays[1]),
                 QString("adapter=Intel(R) UHD Graphics 620; colorDepth=32-bit; maxRefresh=60 "
                         "Hz; model=D3218HN; nativeResolution=1920 x 1080; primary=false; "
                         "refresh=60 Hz; resolution=1920 x 1080; serial=X9R5K7879PME; "
                         "size=31.5\"; vendor=Dell; year=2017"));
    }

    void battery()
    {
        QVariantMap battery = runStep(*m_source, collectBattery);
        QVERIFY(qFuzzyCompare(battery.take("wearValue").toDouble(), 15.0));
        QCOMPARE(
            mapText(battery),
            QString("acConnected=false; acPower=Chạy bằng pin (DC); charge=80%; charging=false; "
                    "chemistry=Lithium-ion (Li-ion); cycleCount=312; designCapacity=50000 mWh; "
                    "designCapacityMah=4386 mAh; fullCapacity=42500 mWh; fullCapacityMah=3728 mAh; "
                    "manufacturer=LGC; model=DELL 7FHHV8A; name=DELL 7FHHV8A; powerFlow=-12.3 W (đang xả); "
                    "present=true; remainingCapacity=34000 mWh; remainingCapacityMah=2982 mAh; "
                    "runtime=1 giờ 30 phút; serial=2543; status=Đang dùng pin; voltage=11.40 V; wear=15.0%"));
    }
};

KELVARO_TEST(TestReplayedLaptop)
#include "tst_replayedlaptop.moc"
