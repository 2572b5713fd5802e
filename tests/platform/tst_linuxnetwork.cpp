#include "golden.h"
#include "hardware/networkstep.h"
#include "maptext.h"
#include "platform/linux/linux_source.h"
#include "platform/linux/net_routes.h"
#include "sysroots.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace platform;
using namespace platform::linuxbackend;

namespace {

QString joined(const std::vector<std::string> &items)
{
    QStringList list;
    for (const auto &item : items)
        list << QString::fromStdString(item);
    return list.join(QLatin1Char(','));
}

// One adapter on one line: name, interface type, state, speed, MAC, unicast, gateways, DNS, description.
QStringList adapterLines(const std::vector<NetworkAdapter> &adapters)
{
    QStringList lines;
    for (const auto &a : adapters) {
        QString mac;
        for (const auto byte : a.physicalAddress)
            mac += QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0'));
        lines << QStringLiteral("%1 %2 %3 %4 mac=%5 ip=%6 gw=%7 dns=%8 %9")
                     .arg(QString::fromStdString(a.friendlyName))
                     .arg(a.ifType)
                     .arg(a.operStatus)
                     .arg(a.transmitLinkSpeed)
                     .arg(mac, joined(a.unicast), joined(a.gateways), joined(a.dnsServers),
                          QString::fromStdString(a.description));
    }
    return lines;
}

LinuxSource recorded(const char *machine)
{
    return LinuxSource(testSysRoot(QStringLiteral("network/sysroots/") + machine));
}

} // namespace

class TestLinuxNetwork : public QObject {
    Q_OBJECT

private slots:
    // By interface index; the laptop's unplugged USB adapter's dangling entry is left out. Addresses
    // come from the live system only; the loopback is "unknown" but up with a carrier. The desktop's
    // USB adapters are named from usb.ids; its Wi-Fi stick is not listed there and names itself.
    void recordedTrees_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::newRow("laptop") << "latitude-7490";
        QTest::newRow("desktop") << "gigabyte-b360m-d2v";
    }

    void recordedTrees()
    {
        QFETCH(QString, tree);
        auto source = recorded(qPrintable(tree));
        const auto adapters = source.networkAdapters();
        for (const auto &adapter : adapters)
            QCOMPARE(adapter.adapterName, adapter.friendlyName);
        // Netlink is not asked about a recorded tree.
        QVERIFY(source.wlanInterfaces().empty());
        KELVARO_COMPARE_GOLDEN(adapterLines(adapters).join('\n') + '\n' +
                                   linesText("network", networkList(adapters, wifiTable({}))),
                               "network-" + tree + ".txt");
    }

    // Nor D-Bus: the laptop tree has a radio without answers, the desktop none.
    void bluetoothOfRecordedTrees()
    {
        const auto laptop = recorded("latitude-7490").bluetooth();
        QVERIFY(laptop && !laptop->radio && laptop->devices.empty());
        QVERIFY(!recorded("gigabyte-b360m-d2v").bluetooth().has_value());
    }

    // A tree whose interface loses its attributes, as a removed device does.
    void interfaceVanishingMidScan()
    {
        QTemporaryDir root;
        QVERIFY(writeTree(
            root.path() + "/sys/class/net",
            {"eth1: type=1; ifindex=3; operstate=up; address=not-a-mac; speed=-1", "eth9: operstate=up"}));
        LinuxSource source{SysRoot(root.path().toStdString())};
        QCOMPARE(adapterLines(source.networkAdapters()),
                 QStringList{"eth1 6 1 0 mac= ip= gw= dns= Virtual network adapter (eth1)"});
    }

    // ../data/network/route: two default routes of eth0, a route that is not a default one, ppp0
    // without a gateway, eth1 not up and a malformed line; ipv6_route: a default route, another one
    // and the loopback's unreachable entry.
    void routeTables()
    {
        const auto v4 = parseIpv4DefaultRoutes(testDataBytes("network/route").toStdString());
        QCOMPARE(v4.at("eth0"), (std::vector<std::string>{"10.0.0.2", "10.0.0.1"})); // lowest metric first
        QCOMPARE(v4.at("wlan0"), std::vector<std::string>{"192.168.1.1"});
        QCOMPARE(v4.size(), std::size_t(2));
        const auto v6 = parseIpv6DefaultRoutes(testDataBytes("network/ipv6_route").toStdString());
        QCOMPARE(v6.size(), std::size_t(1));
        QCOMPARE(v6.at("eth0"), std::vector<std::string>{"fe80::1"});
    }

    // ../data/network/resolv.conf: a commented server, an interface-scoped one, malformed lines and
    // a trailing comment.
    void nameServers()
    {
        QCOMPARE(parseNameServers(testDataBytes("network/resolv.conf").toStdString()),
                 (std::vector<std::string>{"192.168.1.1", "fe80::1%wlan0", "2001:4860:4860::8888"}));
        // The local stub without an upstream file stays what the system uses.
        QTemporaryDir root;
        QVERIFY(writeFile(root.path() + "/etc/resolv.conf", "nameserver 127.0.0.53\n"));
        QCOMPARE(dnsServers(SysRoot(root.path().toStdString())), std::vector<std::string>{"127.0.0.53"});
    }
};

KELVARO_TEST(TestLinuxNetwork)
#include "tst_linuxnetwork.moc"
