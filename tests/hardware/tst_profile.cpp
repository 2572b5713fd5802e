#include "datarow.h"
#include "hardware/profile/profilejson.h"
#include "hardware/profile/recordingsource.h"
#include "hardware/profile/replaysource.h"
#include "hardware/wmiconnection.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

ProfileData sampleProfile()
{
    ProfileData p;
    p.wmi["ROOT\\CIMV2"]["Win32_DiskDrive"] = {
        {{"Model", std::string("SCSI Disk Device")}, {"Size", std::string("512105932800")}, {"Index", 0}}};
    p.wmi["ROOT\\WMI"]["BatteryStaticData"] = {
        {{"DesignedCapacity", 41000}, {"DeviceName", platform::IntList{72, 83, 48, 0}}, {"Ratio", 0.5}}};
    p.powerStatus = platform::PowerStatus{1, 8, 0xFFFFFFFFu};
    p.firmwareType = 2;
    p.secureBoot = 1;
    p.cpuid["80000000"] = {0x80000008u, 0, 0, 0};
    p.cpuid["7.0"] = {0, 0x29c6fbf, 0, 0};
    p.graphicsAdapters = {{"NVIDIA GeForce GTX 1650", 4294967296ull, 0}};
    platform::DisplayDevice display{"\\\\.\\DISPLAY1", "Intel(R) UHD Graphics 620", 5, {}, {}};
    display.current = platform::DisplayMode{1920, 1080, 60, 32};
    display.modes = {{1920, 1080, 60, 0}, {1920, 1080, 144, 0}};
    p.displayDevices = {display};
    platform::NetworkAdapter wifi;
    wifi.ifType = 71;
    wifi.friendlyName = "Wi-Fi";
    wifi.description = "Intel(R) Wireless-AC 9560";
    wifi.adapterName = "{ABC}";
    wifi.physicalAddress = {0xA0, 0xB1, 0xC2, 0xD3, 0xE4, 0xF5};
    wifi.operStatus = 1;
    wifi.transmitLinkSpeed = 866700000;
    wifi.unicast = {"192.168.1.20", "fe80::1"};
    p.networkAdapters = {wifi};
    platform::WlanInterface wlan;
    wlan.guid = "{ABC}";
    wlan.phyTypes = {7, 8};
    wlan.state = 1;
    wlan.connection = platform::WlanConnection{std::string("Caf\xe9\x01", 5), 82, 8, 866700, 866700, 7};
    wlan.channel = 36;
    p.wlanInterfaces = {wlan};
    p.bluetooth = platform::Bluetooth{
        platform::BluetoothRadioInfo{"LAPTOP-01", {0x00, 0x1A, 0x7D, 0xDA, 0x71, 0x13}}, {{"Headset", true}}};
    p.drives[1] = platform::DrivePages{true, std::nullopt, platform::Page(512, 0x41), platform::Page(512, 0)};
    p.processorTimes = std::vector<platform::ProcessorTimes>{{10, 30, 5}, {12000000000000000ull, 1, 2}};
    p.memoryStatus = platform::MemoryStatus{17179869184ull, 8589934592ull};
    return p;
}

void compareProfiles(const ProfileData &a, const ProfileData &b)
{
    QCOMPARE(profileToJson(a), profileToJson(b));
}

} // namespace

class TestProfile : public QObject {
    Q_OBJECT

private slots:
    void jsonRoundTripKeepsEveryAnswer()
    {
        const ProfileData original = sampleProfile();
        const ProfileParse parsed = parseProfile(profileToJson(original), "mem");
        QVERIFY2(parsed.data, qPrintable(parsed.error));
        compareProfiles(*parsed.data, original);

        ReplaySource replay(std::make_shared<const ProfileData>(*parsed.data));
        QCOMPARE(replay.wlanInterfaces().at(0).connection->ssid, std::string("Caf\xe9\x01", 5));
        QCOMPARE(replay.processorTimes()->at(1).idle, 12000000000000000ull);
        QVERIFY(replay.readDrive(1).identify && !replay.readDrive(1).nvmeHealthLog);
        QVERIFY(!replay.readDrive(0).opened);
        QCOMPARE(replay.cpuid(7, 0)->ebx, 0x29c6fbfu);
        QVERIFY(!replay.cpuid(7, std::nullopt));
    }

    void replayedQueriesApplyTheSelectList()
    {
        ReplaySource replay(std::make_shared<const ProfileData>(sampleProfile()));
        WmiConnection cimv2(replay);
        QVERIFY(cimv2.open("root\\cimv2")); // namespaces ignore case
        const QVariantMap disk = cimv2.queryFirst("SELECT Model, Size FROM Win32_DiskDrive");
        QCOMPARE(disk.keys(), (QStringList{"Model", "Size"}));
        QCOMPARE(disk.value("Size").toString(), QString("512105932800"));
        QVERIFY(cimv2.query("SELECT Name FROM Win32_Battery").isEmpty());

        WmiConnection wmi(replay);
        QVERIFY(wmi.open("ROOT\\WMI"));
        const QVariantMap battery = wmi.queryFirst("SELECT * FROM BatteryStaticData");
        QCOMPARE(battery.value("DeviceName").toList(), (QVariantList{72, 83, 48, 0}));
        QCOMPARE(battery.value("Ratio").toDouble(), 0.5);

        WmiConnection tpm(replay);
        QVERIFY2(!tpm.open("ROOT\\CIMV2\\Security\\MicrosoftTpm"), "an unknown namespace does not open");
        QVERIFY(tpm.query("SELECT SpecVersion FROM Win32_Tpm").isEmpty());
    }

    void recordingMergesQueriesOfOneClass()
    {
        auto live = std::make_shared<ReplaySource>(std::make_shared<const ProfileData>(sampleProfile()));
        RecordingSource recorder(live);
        {
            WmiConnection cimv2(recorder);
            QVERIFY(cimv2.open("ROOT\\CIMV2"));
            cimv2.query("SELECT Model FROM Win32_DiskDrive");
            cimv2.query("SELECT Size, Index FROM Win32_DiskDrive");
            cimv2.query("SELECT Name FROM Win32_Battery");
        }
        recorder.readDrive(1);
        recorder.readDrive(5); // not there: nothing recorded
        const ProfileData &rec = recorder.recorded();
        const platform::Row &disk = rec.wmi.at("ROOT\\CIMV2").at("Win32_DiskDrive").at(0);
        QCOMPARE(disk.size(), std::size_t(3));
        QVERIFY(rec.wmi.at("ROOT\\CIMV2").at("Win32_Battery").empty());
        QCOMPARE(rec.drives.size(), std::size_t(1));

        // What was recorded answers the same queries the same way.
        ReplaySource replay(std::make_shared<const ProfileData>(rec));
        WmiConnection again(replay);
        QVERIFY(again.open("ROOT\\CIMV2"));
        QCOMPARE(again.queryFirst("SELECT Model FROM Win32_DiskDrive").value("Model").toString(),
                 QString("SCSI Disk Device"));
    }

    void malformedProfilesAreRejectedWithThePlace_data()
    {
        QTest::addColumn<QString>("json");
        QTest::addColumn<QString>("where");
        addRow("not json", "{\"kelvaroProfile\": 1,", "not valid JSON");
        addRow("not an object", "[1]", "expected a JSON object");
        addRow("no version", R"({"wmi": {}})", "kelvaroProfile");
        addRow("future version", R"({"kelvaroProfile": 2})", "version 2");
        addRow("row not object", R"({"kelvaroProfile":1,"wmi":{"NS":{"C":[3]}}})", "wmi.NS.C[0]");
        addRow("nested object value", R"({"kelvaroProfile":1,"wmi":{"NS":{"C":[{"P":{"a":1}}]}}})",
               "wmi.NS.C[0].P");
        addRow("fraction in code list", R"({"kelvaroProfile":1,"wmi":{"NS":{"C":[{"P":[1,2.5]}]}}})",
               "wmi.NS.C[0].P[1]");
        addRow("negative flag", R"({"kelvaroProfile":1,"powerStatus":{"batteryFlag":-1}})",
               "powerStatus.batteryFlag");
        addRow("flag too large", R"({"kelvaroProfile":1,"powerStatus":{"batteryFlag":256}})",
               "powerStatus.batteryFlag");
        addRow("three registers", R"({"kelvaroProfile":1,"cpuid":{"1":[1,2,3]}})", "cpuid.1");
        addRow("bad base64", R"({"kelvaroProfile":1,"drives":{"0":{"identify":"@@@"}}})",
               "drives.0.identify");
        addRow("bad drive index", R"({"kelvaroProfile":1,"drives":{"x":{}}})", "drives.x");
        addRow("bad mac", R"({"kelvaroProfile":1,"networkAdapters":[{"physicalAddress":"A0B"}]})",
               "networkAdapters[0].physicalAddress");
        addRow("short bt address", R"({"kelvaroProfile":1,"bluetooth":{"radio":{"address":"0011"}}})",
               "bluetooth.radio.address");
        addRow("times not triples", R"({"kelvaroProfile":1,"processorTimes":[[1,2]]})", "processorTimes[0]");
    }

    void malformedProfilesAreRejectedWithThePlace()
    {
        QFETCH(QString, json);
        QFETCH(QString, where);
        const ProfileParse parsed = parseProfile(json.toUtf8(), "p.json");
        QVERIFY(!parsed.data);
        QVERIFY2(parsed.error.startsWith("p.json: "), qPrintable(parsed.error));
        QVERIFY2(parsed.error.contains(where), qPrintable(parsed.error));
        QVERIFY(!parsed.error.contains('\n'));
    }

    void minimalProfileIsAnEmptyMachine()
    {
        const ProfileParse parsed = parseProfile(R"({"kelvaroProfile": 1, "futureField": [1, 2]})", "p");
        QVERIFY2(parsed.data, qPrintable(parsed.error));
        ReplaySource replay(std::make_shared<const ProfileData>(*parsed.data));
        QVERIFY(!replay.openWmi("ROOT\\CIMV2"));
        QVERIFY(!replay.powerStatus());
        QVERIFY(!replay.bluetooth());
    }

    void writingFailsCleanly()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(writeProfile(dir.filePath("p.json"), sampleProfile(), &error));
        QVERIFY(!writeProfile(dir.filePath("missing/p.json"), sampleProfile(), &error));
        QVERIFY(error.contains("missing/p.json"));
        const ProfileParse back = readProfile(dir.filePath("p.json"));
        QVERIFY2(back.data, qPrintable(back.error));
        compareProfiles(*back.data, sampleProfile());
    }
};

KELVARO_TEST(TestProfile)
#include "tst_profile.moc"
