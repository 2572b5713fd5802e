#include "hardware/profile/profilejson.h"
#include "hardware/profile/replaysource.h"
#include "hardware/windowscollector.h"
#include "testregistry.h"

#include <QTest>

// One whole laptop replayed through every step of the collector.
class TestWholeLaptop : public QObject {
    Q_OBJECT

private slots:
    void everyMemberIsFilled()
    {
        ProfileParse parsed = readProfile(KELVARO_TEST_DATA "/profiles/latitude-7490.json");
        QVERIFY2(parsed.data, qPrintable(parsed.error));
        WindowsCollector collector(
            std::make_shared<ReplaySource>(std::make_shared<const ProfileData>(std::move(*parsed.data))));
        QList<int> percents;
        const HardwareSnapshot s =
            collector.collect([&](int percent, const QString &) { percents << percent; });
        QCOMPARE(percents, (QList<int>{5, 30, 45, 60, 78, 90, 85, 95, 100}));

        QCOMPARE(s.system.value("deviceType").toString(), QString("Laptop"));
        QCOMPARE(s.system.value("family").toString(), QString("Latitude"));
        QCOMPARE(s.system.value("biosDate").toString(), QString("2022-01-24"));
        QCOMPARE(s.system.value("tpm").toString(), QString("TPM 2.0"));
        QCOMPARE(s.system.value("secureBoot").toString(), QString("Bật"));
        QCOMPARE(s.cpu.value("threads").toInt(), 8);
        QCOMPARE(s.cpu.value("instructionSets").toString(),
                 QString("SSE, SSE2, SSE3, SSE4.1, SSE4.2, AVX, FMA3, AES, AVX2"));
        QCOMPARE(s.ramSummary.value("total").toString(), QString("16.0 GB"));
        QCOMPARE(s.ramSummary.value("channel").toString(), QString("Dual Channel"));
        QCOMPARE(s.ramModules.size(), 2);
        QCOMPARE(s.ramModules[0].toMap().value("type").toString(), QString("DDR4"));
        QCOMPARE(s.disks.size(), 2);
        QCOMPARE(s.disks[0].toMap().value("manufacturer").toString(), QString("Samsung"));
        QCOMPARE(s.battery.value("wear").toString(), QString("15.0%"));
        QCOMPARE(s.gpus.size(), 1);
        QCOMPARE(s.gpus[0].toMap().value("vram").toString(), QString("128 MB"));
        QCOMPARE(s.displays.size(), 2);
        QCOMPARE(s.bluetooth.value("pairedCount").toInt(), 3);
        bool wifi = false;
        for (const QVariant &adapter : s.network)
            wifi = wifi || adapter.toMap().value("ssid").toString() == QString("Nhà Trọ 5G");
        QVERIFY(wifi);

        // No member of the snapshot is left empty.
        const QList<QPair<const char *, bool>> filled{{"system", !s.system.isEmpty()},
                                                      {"cpu", !s.cpu.isEmpty()},
                                                      {"ramSummary", !s.ramSummary.isEmpty()},
                                                      {"ramModules", !s.ramModules.isEmpty()},
                                                      {"disks", !s.disks.isEmpty()},
                                                      {"battery", !s.battery.isEmpty()},
                                                      {"gpus", !s.gpus.isEmpty()},
                                                      {"displays", !s.displays.isEmpty()},
                                                      {"network", !s.network.isEmpty()},
                                                      {"bluetooth", !s.bluetooth.isEmpty()}};
        for (const auto &[name, ok] : filled)
            QVERIFY2(ok, name);
    }
};

KELVARO_TEST(TestWholeLaptop)
#include "tst_wholelaptop.moc"
