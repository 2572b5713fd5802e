#include "datarow.h"
#include "hardware/networkrules.h"
#include "hardware/networkstep.h"
#include "steprun.h"
#include "testregistry.h"

#include <QTest>

namespace {

// The Bluetooth map of a recorded machine.
QVariantMap bluetoothOf(const QString &name)
{
    QVariantList network;
    QVariantMap bluetooth;
    if (const auto source = replayProfile(QStringLiteral("network/profiles/") + name))
        runStep(*source, [&](const CollectContext &context) {
            collectNetwork(context, network, bluetooth);
            return 0;
        });
    return bluetooth;
}

platform::NetworkAdapter ethernet(const std::string &description)
{
    platform::NetworkAdapter adapter;
    adapter.ifType = 6;
    adapter.friendlyName = "Ethernet";
    adapter.description = description;
    adapter.operStatus = 1;
    return adapter;
}

} // namespace

class TestNetworkStep : public QObject {
    Q_OBJECT

private slots:
    // Virtual adapters are never given a speed from their name.
    void adapterDescriptions_data()
    {
        addColumns<QString, bool, QString>("description", "isVirtual", "maxSpeed");
        addRow("lower case", "virtualbox host-only ethernet adapter", true, "");
        addRow("TAP", "TAP-Windows Adapter V9", true, "");
        addRow("PAN", "Bluetooth Device (Personal Area Network)", true, "");
        addRow("Linux WireGuard, 10G in its name", "Virtual WireGuard 10G tunnel (wg0)", true, "");
        addRow("virtio is hardware to the guest", "Red Hat, Inc. Virtio 1.0 network device", false, "");
        addRow("2.5G before GbE", "Realtek Gaming 2.5GbE Family Controller", false, "2.5 Gbps");
        addRow("10G", "Intel(R) Ethernet Controller 10G X550T", false, "10 Gbps");
        addRow("10/100", "Realtek PCIe FE Family Controller 10/100", false, "100 Mbps");
        addRow("10/100/1000 is gigabit", "Realtek USB 10/100/1000 LAN", false, "1 Gbps");
        addRow("no speed word", "Intel(R) Ethernet Connection (4) I219-LM", false, "");
    }

    void adapterDescriptions()
    {
        QFETCH(QString, description);
        QFETCH(QString, maxSpeed);
        const QVariantMap map = adapterMap(ethernet(description.toStdString()));
        QTEST(map.value("virtual").toBool(), "isVirtual");
        QCOMPARE(map.value("maxSpeed").toString(), maxSpeed);
        QCOMPARE(map.contains("maxSpeed"), !maxSpeed.isEmpty());
    }

    void linkSpeed_data()
    {
        addColumns<quint64, quint32, QString>("bitsPerSecond", "operStatus", "linkSpeed");
        QTest::newRow("2.5 Gbps") << quint64(2500000000) << 1u << "2.5 Gbps";
        QTest::newRow("unknown (all ones)") << std::numeric_limits<quint64>::max() << 1u << "";
        QTest::newRow("down") << quint64(1000000000) << 2u << "";
    }

    void linkSpeed()
    {
        QFETCH(quint64, bitsPerSecond);
        QFETCH(quint32, operStatus);
        QFETCH(QString, linkSpeed);
        auto adapter = ethernet("Intel(R) Ethernet Connection I219-V");
        adapter.transmitLinkSpeed = bitsPerSecond;
        adapter.operStatus = operStatus;
        const QVariantMap map = adapterMap(adapter);
        QCOMPARE(map.value("linkSpeed").toString(), linkSpeed);
        QCOMPARE(map.contains("linkSpeed"), !linkSpeed.isEmpty());
        QCOMPARE(map.value("connected").toBool(), operStatus == 1);
    }

    void bandFollowsChannelNumber_data()
    {
        addColumns<quint32, QString>("channel", "band");
        addRow("0: no band", 0u, "");
        addRow("1", 1u, "2.4 GHz");
        addRow("14", 14u, "2.4 GHz");
        addRow("15", 15u, "6 GHz");
        addRow("35", 35u, "6 GHz");
        addRow("36", 36u, "5 GHz");
        addRow("177", 177u, "5 GHz");
        addRow("178", 178u, "6 GHz");
    }

    void bandFollowsChannelNumber()
    {
        QFETCH(quint32, channel);
        QFETCH(QString, band);
        platform::WlanInterface wlan;
        wlan.state = 1;
        wlan.channel = channel;
        const QVariantMap map = wifiMap(wlan);
        QCOMPARE(map.value("channel").toUInt(), channel);
        QCOMPARE(map.value("band").toString(), band);
        QCOMPARE(map.contains("band"), !band.isEmpty());
    }

    void standardsAndSecurity()
    {
        QCOMPARE(bestPhyTypeName({11, 10, 8}), QString("Wi-Fi 7 (802.11be)"));
        QCOMPARE(bestPhyTypeName({9, 1, 2}), QString()); // no named type
        // The WPA3 family: 192-bit enterprise, SAE and enterprise; OWE and WPA-None stay unnamed.
        for (const std::uint32_t wpa3 : {8u, 9u, 11u})
            QCOMPARE(securityName(wpa3), QString("WPA3"));
        QCOMPARE(securityName(10), QString());
        QCOMPARE(securityName(5), QString());
        QCOMPARE(securityName(1), QString("Mở (không mã hóa)"));
    }

    void fifteenBluetoothDevicesListTwelve()
    {
        const QVariantMap bluetooth = bluetoothOf("zenbook-ux433fa.json");
        QCOMPARE(bluetooth.value("pairedCount").toInt(), 15);
        QCOMPARE(bluetooth.value("connectedCount").toInt(), 3); // the last one is past the list
        const QVariantList devices = bluetooth.value("devices").toList();
        QCOMPARE(devices.size(), 12);
        QCOMPARE(devices.last().toMap().value("name").toString(), QString("Pixel 7"));
        QCOMPARE(devices.at(7).toMap().value("name").toString(), QString::fromUtf8("iPhone của Lan"));
    }

    void hostileTextIsCleaned()
    {
        platform::WlanInterface wlan;
        wlan.guid = "{guid}";
        wlan.state = 1;
        platform::WlanConnection link;
        link.ssid = std::string("Caf\xC3\xA9\xFF\xFE\x01\x1B[31m\x00x", 15); // bad bytes, escape, NUL
        wlan.connection = link;
        QCOMPARE(wifiMap(wlan).value("ssid").toString(), QString::fromUtf8("Café\uFFFD\uFFFD[31mx"));

        // An SSID of control characters alone leaves nothing to show.
        link.ssid = "\r\n\t";
        wlan.connection = link;
        QVERIFY(!wifiMap(wlan).contains("ssid"));

        auto adapter = ethernet("Realtek \u202Ereversed\u202C\x7F adapter");
        adapter.friendlyName = "eth\x01\x02"
                               "0";
        const QVariantMap map = adapterMap(adapter);
        QCOMPARE(map.value("description").toString(), QString("Realtek reversed adapter"));
        QCOMPARE(map.value("name").toString(), QString("eth0"));

        platform::Bluetooth bluetooth;
        bluetooth.devices.push_back({"Head\xE2\x80\xAEphones\xC2\x85", true});
        const QVariantMap device = bluetoothMap(bluetooth).value("devices").toList().first().toMap();
        QCOMPARE(device.value("name").toString(), QString("Headphones"));
    }

    void wifiMerge()
    {
        platform::NetworkAdapter adapter = ethernet("Intel(R) Wi-Fi 6 AX201 160MHz");
        adapter.ifType = 71;
        adapter.adapterName = "{2d4f6a8c-1e3b-4d5f-9a7c-0b2d4f6e8a1c}";
        platform::WlanInterface wlan;
        wlan.guid = "{2D4F6A8C-1E3B-4D5F-9A7C-0B2D4F6E8A1C}";
        wlan.phyTypes = {7, 10};
        wlan.state = 4; // disconnected, though the adapter says up
        wlan.connection = platform::WlanConnection{"Home", 90, 10, 1200000, 1200000, 7};
        wlan.channel = 36;

        QVariantMap merged = networkList({adapter}, wifiTable({wlan})).first().toMap();
        QCOMPARE(merged.value("connected").toBool(), false);
        QCOMPARE(merged.value("maxStandard").toString(), QString("Wi-Fi 6 (802.11ax)"));
        QVERIFY(!merged.contains("ssid"));
        QVERIFY(!merged.contains("channel"));

        // Without a WLAN service the adapter's own state stands.
        merged = networkList({adapter}, {}).first().toMap();
        QCOMPARE(merged.value("connected").toBool(), true);
        QVERIFY(!merged.contains("maxStandard"));

        // Connected, but the current-connection query failed: the channel is still shown.
        wlan.state = 1;
        wlan.connection.reset();
        merged = networkList({adapter}, wifiTable({wlan})).first().toMap();
        QCOMPARE(merged.value("connected").toBool(), true);
        QVERIFY(!merged.contains("ssid"));
        QVERIFY(!merged.contains("signal"));
        QCOMPARE(merged.value("band").toString(), QString("5 GHz"));
    }

    void firstAddressOfEachFamily()
    {
        auto adapter = ethernet("Intel(R) Ethernet Connection I219-V");
        adapter.unicast = {"fe80::1", "2001:db8::5", "10.0.0.2", "2001:db8::6", "10.0.0.3"};
        adapter.gateways = {"10.0.0.1", "fe80::1"};
        adapter.dnsServers = {"1.1.1.1", "8.8.8.8"};
        const QVariantMap map = adapterMap(adapter);
        QCOMPARE(map.value("ipv6").toString(), QString("2001:db8::5"));
        QCOMPARE(map.value("ipv4").toString(), QString("10.0.0.2"));
        QCOMPARE(map.value("gateway").toString(), QString("10.0.0.1"));
        QCOMPARE(map.value("dns").toString(), QString("1.1.1.1"));
        QVERIFY(!map.contains("mac"));
    }

    void bluetoothRadioStates()
    {
        QCOMPARE(bluetoothMap(std::nullopt), (QVariantMap{{"present", false}}));

        // A radio whose information could not be read still counts as present.
        platform::Bluetooth unnamed;
        const QVariantMap map = bluetoothMap(unnamed);
        QCOMPARE(map.value("present").toBool(), true);
        QVERIFY(!map.contains("name"));
        QVERIFY(!map.contains("address"));
        QCOMPARE(map.value("pairedCount").toInt(), 0);
        QVERIFY(map.contains("devices"));
    }
};

KELVARO_TEST(TestNetworkStep)
#include "tst_networkstep.moc"
