#include "hardware/profile/profilejson.h"
#include "hardware/profile/replaysource.h"
#include "hardware/windowscollector.h"
#include "testregistry.h"

#include <QTest>

// A hybrid-graphics laptop recorded on Windows, replayed through the graphics, displays and
// battery steps.
class TestReplayedLaptop : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ReplaySource> m_source;
    std::unique_ptr<WmiConnection> m_cimv2;

    CollectContext context() { return CollectContext{*m_source, *m_cimv2}; }

private slots:
    void initTestCase()
    {
        ProfileParse parsed =
            readProfile(QStringLiteral(KELVARO_TEST_DATA "/hardware/laptop-hybrid-profile.json"));
        QVERIFY2(parsed.data, qPrintable(parsed.error));
        m_source =
            std::make_unique<ReplaySource>(std::make_shared<const ProfileData>(std::move(*parsed.data)));
        m_cimv2 = std::make_unique<WmiConnection>(*m_source);
        QVERIFY(m_cimv2->open(QStringLiteral("ROOT\\CIMV2")));
    }

    void gpus()
    {
        const QVariantList gpus = collectGpus(context());
        QCOMPARE(gpus.size(), 2);
        QVariantMap intel;
        intel.insert("name", "Intel(R) UHD Graphics 620");
        intel.insert("vendor", "Intel Corporation");
        intel.insert("vram", "128 MB");
        intel.insert("driver", "27.20.100.8681");
        intel.insert("driverDate", "2020-09-10");
        intel.insert("resolution", "1920 x 1080");
        intel.insert("refresh", "144 Hz");
        QCOMPARE(gpus.at(0).toMap(), intel);
        QVariantMap nvidia;
        nvidia.insert("name", "NVIDIA GeForce GTX 1650");
        nvidia.insert("vendor", "NVIDIA");
        nvidia.insert("vram", "4.0 GB");
        nvidia.insert("driver", "31.0.15.1694");
        nvidia.insert("driverDate", "2022-08-18");
        QCOMPARE(gpus.at(1).toMap(), nvidia);
    }

    void displays()
    {
        const QVariantList displays = collectDisplays(context());
        QCOMPARE(displays.size(), 2);
        QVariantMap panel;
        panel.insert("primary", true);
        panel.insert("resolution", "1920 x 1080");
        panel.insert("refresh", "144 Hz");
        panel.insert("colorDepth", "32-bit");
        panel.insert("nativeResolution", "1920 x 1080");
        panel.insert("maxRefresh", "144 Hz");
        panel.insert("adapter", "Intel(R) UHD Graphics 620");
        panel.insert("vendor", "LG Display");
        panel.insert("serial", "0");
        panel.insert("year", "2020");
        panel.insert("size", "15.3\"");
        QCOMPARE(displays.at(0).toMap(), panel);
        QVariantMap monitor;
        monitor.insert("primary", false);
        monitor.insert("resolution", "1920 x 1080");
        monitor.insert("refresh", "60 Hz");
        monitor.insert("colorDepth", "32-bit");
        monitor.insert("nativeResolution", "1920 x 1080");
        monitor.insert("maxRefresh", "60 Hz");
        monitor.insert("adapter", "Intel(R) UHD Graphics 620");
        monitor.insert("model", "D3218HN");
        monitor.insert("vendor", "Dell");
        monitor.insert("serial", "X9R5K7879PME");
        monitor.insert("year", "2017");
        monitor.insert("size", "31.5\"");
        QCOMPARE(displays.at(1).toMap(), monitor);
    }

    void battery()
    {
        const QVariantMap battery = collectBattery(context());
        QVariantMap expected;
        expected.insert("present", true);
        expected.insert("name", "DELL 7FHHV8A");
        expected.insert("model", "DELL 7FHHV8A");
        expected.insert("charge", "80%");
        expected.insert("charging", false);
        expected.insert("acConnected", false);
        expected.insert("status", "Đang dùng pin");
        expected.insert("acPower", "Chạy bằng pin (DC)");
        expected.insert("voltage", "11.40 V");
        expected.insert("powerFlow", "-12.3 W (đang xả)");
        expected.insert("cycleCount", 312);
        expected.insert("manufacturer", "LGC");
        expected.insert("serial", "2543");
        expected.insert("chemistry", "Lithium-ion (Li-ion)");
        expected.insert("remainingCapacity", "34000 mWh");
        expected.insert("remainingCapacityMah", "2982 mAh");
        expected.insert("designCapacity", "50000 mWh");
        expected.insert("designCapacityMah", "4386 mAh");
        expected.insert("fullCapacity", "42500 mWh");
        expected.insert("fullCapacityMah", "3728 mAh");
        expected.insert("wear", "15.0%");
        expected.insert("runtime", "1 giờ 30 phút");
        const double wear = battery.value("wearValue").toDouble();
        QVERIFY(qFuzzyCompare(wear, 15.0));
        QVariantMap withoutWearValue = battery;
        withoutWearValue.remove("wearValue");
        QCOMPARE(withoutWearValue, expected);
    }
};

KELVARO_TEST(TestReplayedLaptop)
#include "tst_replayedlaptop.moc"
