#include "datarow.h"
#include "hardware/profile/profilejson.h"
#include "hardware/profile/recordingsource.h"
#include "hardware/profile/replaysource.h"
#include "hardware/wmiconnection.h"
#include "testdata.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// Answers with awkward values: a counter beyond what a double holds exactly (written as text), an
// SSID with a Latin-1 byte and a control code (written as hex), character codes and a fraction in
// WMI rows, a drive with pages of its own and one without.
ProfileData sampleProfile()
{
    ProfileParse parsed = readProfile(testDataPath(QStringLiteral("profiles/sample.json")));
    return parsed.data ? std::move(*parsed.data) : ProfileData{};
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
        QCOMPARE(profileToJson(original), testDataBytes(QStringLiteral("profiles/sample.json")));
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

    // The whole message is pinned: a profile written outside the program is mended by reading it.
    void malformedProfilesAreRejectedWithThePlace_data()
    {
        addColumns<QString, QString>("json", "message");
        addRow("not json", "{\"kelvaroProfile\": 1,", "not valid JSON (unterminated object at byte 21)");
        addRow("not an object", "[1]", "not a Kelvaro profile (expected a JSON object)");
        addRow("no version", R"({"wmi": {}})", "kelvaroProfile: missing: not a Kelvaro profile");
        addRow("future version", R"({"kelvaroProfile": 2})", "kelvaroProfile: version 2 is not supported");
        addRow("row not object", R"({"kelvaroProfile":1,"wmi":{"NS":{"C":[3]}}})",
               "wmi.NS.C[0]: expected an object");
        addRow("nested object value", R"({"kelvaroProfile":1,"wmi":{"NS":{"C":[{"P":{"a":1}}]}}})",
               "wmi.NS.C[0].P: unsupported value");
        addRow("fraction in code list", R"({"kelvaroProfile":1,"wmi":{"NS":{"C":[{"P":[1,2.5]}]}}})",
               "wmi.NS.C[0].P[1]: expected a whole number");
        addRow("negative flag", R"({"kelvaroProfile":1,"powerStatus":{"batteryFlag":-1}})",
               "powerStatus.batteryFlag: expected a whole number up to 255");
        addRow("flag too large", R"({"kelvaroProfile":1,"powerStatus":{"batteryFlag":256}})",
               "powerStatus.batteryFlag: expected a whole number up to 255");
        addRow("text for a number", R"({"kelvaroProfile":1,"graphicsAdapters":[{"flags":"x"}]})",
               "graphicsAdapters[0].flags: expected a whole number up to 4294967295");
        addRow("three registers", R"({"kelvaroProfile":1,"cpuid":{"1":[1,2,3]}})",
               "cpuid.1: expected four registers");
        addRow("bad base64", R"({"kelvaroProfile":1,"drives":{"0":{"identify":"@@@"}}})",
               "drives.0.identify: expected base64 text");
        addRow("bad drive index", R"({"kelvaroProfile":1,"drives":{"x":{}}})",
               "drives.x: expected a drive index");
        addRow("bad mac", R"({"kelvaroProfile":1,"networkAdapters":[{"physicalAddress":"A0B"}]})",
               "networkAdapters[0].physicalAddress: expected hexadecimal text");
        addRow("short bt address", R"({"kelvaroProfile":1,"bluetooth":{"radio":{"address":"0011"}}})",
               "bluetooth.radio.address: expected six bytes");
        addRow("times not triples", R"({"kelvaroProfile":1,"processorTimes":[[1,2]]})",
               "processorTimes[0]: expected idle, kernel and user times");
        // Null stands for a missing plain value or section only.
        addRow("null nested record", R"({"kelvaroProfile":1,"displayDevices":[{"current":null}]})",
               "displayDevices[0].current: expected an object");
        addRow("null top-level number", R"({"kelvaroProfile":1,"firmwareType":null})",
               "firmwareType: expected a whole number up to 4294967295");
    }

    void malformedProfilesAreRejectedWithThePlace()
    {
        QFETCH(QString, json);
        QFETCH(QString, message);
        const ProfileParse parsed = parseProfile(json.toUtf8(), "p.json");
        QVERIFY(!parsed.data);
        QCOMPARE(parsed.error, "p.json: " + message);
    }

    void minimalProfileIsAnEmptyMachine()
    {
        const ProfileParse parsed = parseProfile(R"({"kelvaroProfile": 1, "futureField": [1, 2],
            "powerStatus": null, "bluetooth": null, "graphicsAdapters": [{"description": null, "flags": null}],
            "wlanInterfaces": [{"guid": "g", "channel": null}]})",
                                                 "p");
        QVERIFY2(parsed.data, qPrintable(parsed.error));
        ReplaySource replay(std::make_shared<const ProfileData>(*parsed.data));
        QVERIFY(!replay.openWmi("ROOT\\CIMV2"));
        QVERIFY(!replay.powerStatus());
        QVERIFY(!replay.bluetooth());
        QCOMPARE(replay.graphicsAdapters().at(0).flags, 0u);
        QVERIFY(!replay.wlanInterfaces().at(0).channel);
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
