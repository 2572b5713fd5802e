#include "hardware/networkstep.h"
#include "platform/linux/hwids.h"
#include "platform/linux/linux_source.h"
#include "platform/linux/net_routes.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sstream>

using namespace platform;
using namespace platform::linuxbackend;

namespace {

const char *sysroot(const char *machine)
{
    static std::string path;
    path = std::string(KELVARO_TEST_DATA "/network/sysroots/") + machine;
    return path.c_str();
}

const NetworkAdapter *find(const std::vector<NetworkAdapter> &adapters, const std::string &name)
{
    for (const auto &adapter : adapters) {
        if (adapter.friendlyName == name)
            return &adapter;
    }
    return nullptr;
}

std::vector<std::string> names(const std::vector<NetworkAdapter> &adapters)
{
    std::vector<std::string> list;
    for (const auto &adapter : adapters)
        list.push_back(adapter.friendlyName);
    return list;
}

} // namespace

class TestLinuxNetwork : public QObject {
    Q_OBJECT

private slots:
    void laptopTree()
    {
        LinuxSource source{SysRoot(sysroot("latitude-7490"))};
        const auto adapters = source.networkAdapters();
        // By interface index; the unplugged USB adapter's dangling entry is left out.
        QCOMPARE(names(adapters),
                 (std::vector<std::string>{"lo", "enp0s31f6", "wlp2s0", "docker0", "veth7f3a2c1", "wg0"}));

        const auto *wired = find(adapters, "enp0s31f6");
        QCOMPARE(wired->ifType, 6u);
        QCOMPARE(wired->description, std::string("Intel Corporation Ethernet Connection (4) I219-LM"));
        QCOMPARE(wired->adapterName, std::string("enp0s31f6"));
        QCOMPARE(wired->physicalAddress, (std::vector<std::uint8_t>{0x8c, 0xec, 0x4b, 0x5a, 0x21, 0x07}));
        QCOMPARE(wired->operStatus, 1u);
        QCOMPARE(wired->transmitLinkSpeed, std::uint64_t(1000000000));
        QCOMPARE(wired->gateways, std::vector<std::string>{"10.20.0.1"});
        QCOMPARE(wired->dnsServers, (std::vector<std::string>{"192.168.1.1", "2001:db8:a:1::1"}));
        QVERIFY(wired->unicast.empty()); // addresses come from the live system only

        const auto *wireless = find(adapters, "wlp2s0");
        QCOMPARE(wireless->ifType, 71u);
        QCOMPARE(wireless->description, std::string("Intel Corporation Wireless 8265 / 8275"));
        QCOMPARE(wireless->transmitLinkSpeed, std::uint64_t(0));
        QCOMPARE(wireless->gateways, (std::vector<std::string>{"192.168.1.1", "fe80::1"}));

        QCOMPARE(find(adapters, "lo")->ifType, 24u);
        QVERIFY(find(adapters, "lo")->physicalAddress.empty());
        QCOMPARE(find(adapters, "lo")->operStatus, 1u); // "unknown" but up with a carrier
        QCOMPARE(find(adapters, "docker0")->description, std::string("Virtual bridge adapter (docker0)"));
        QCOMPARE(find(adapters, "docker0")->operStatus, 2u);
        QVERIFY(find(adapters, "docker0")->dnsServers.empty());
        QCOMPARE(find(adapters, "veth7f3a2c1")->description,
                 std::string("Virtual Ethernet pair (veth7f3a2c1)"));
        QCOMPARE(find(adapters, "wg0")->ifType, 53u);
        QCOMPARE(find(adapters, "wg0")->description, std::string("Virtual WireGuard tunnel (wg0)"));

        // Netlink and D-Bus are not asked about a recorded tree.
        QVERIFY(source.wlanInterfaces().empty());
        const auto bluetooth = source.bluetooth();
        QVERIFY(bluetooth.has_value());
        QVERIFY(!bluetooth->radio);
        QVERIFY(bluetooth->devices.empty());
    }

    void laptopTreeThroughTheStep()
    {
        LinuxSource source{SysRoot(sysroot("latitude-7490"))};
        const QVariantList network =
            networkList(source.networkAdapters(), wifiTable(source.wlanInterfaces()));
        QStringList summary;
        for (const auto &entry : network) {
            const QVariantMap map = entry.toMap();
            summary << QStringLiteral("%1 %2 %3")
                           .arg(map.value("name").toString(), map.value("kind").toString(),
                                map.value("virtual").toBool() ? "virtual" : "hardware");
        }
        QCOMPARE(summary, (QStringList{"enp0s31f6 Ethernet hardware", "wlp2s0 WiFi hardware",
                                       "docker0 Ethernet virtual", "veth7f3a2c1 Ethernet virtual"}));
        QCOMPARE(network.first().toMap().value("linkSpeed").toString(), QString("1 Gbps"));
        QCOMPARE(network.first().toMap().value("mac").toString(), QString("8C:EC:4B:5A:21:07"));
    }

    void desktopTree()
    {
        LinuxSource source{SysRoot(sysroot("gigabyte-b360m-d2v"))};
        const auto adapters = source.networkAdapters();
        QCOMPARE(names(adapters),
                 (std::vector<std::string>{"lo", "enp3s0", "enx00e04c680001", "wlx503eaa123456", "virbr0",
                                           "vnet0", "vboxnet0"}));
        QCOMPARE(
            find(adapters, "enp3s0")->description,
            std::string(
                "Realtek Semiconductor Co., Ltd. RTL8111/8168/8411 PCI Express Gigabit Ethernet Controller"));
        QCOMPARE(find(adapters, "enp3s0")->dnsServers, (std::vector<std::string>{"192.168.0.1", "1.1.1.1"}));
        // Named from usb.ids; the Wi-Fi stick is not listed there and names itself.
        QCOMPARE(find(adapters, "enx00e04c680001")->description,
                 std::string("Realtek Semiconductor Corp. RTL8153 Gigabit Ethernet Adapter"));
        QCOMPARE(find(adapters, "enx00e04c680001")->operStatus, 2u);
        QCOMPARE(find(adapters, "wlx503eaa123456")->description,
                 std::string("Realtek 802.11ac WLAN Adapter"));
        QCOMPARE(find(adapters, "wlx503eaa123456")->ifType, 71u);
        QCOMPARE(find(adapters, "wlx503eaa123456")->operStatus, 5u);
        QCOMPARE(find(adapters, "vnet0")->description, std::string("Virtual TAP adapter (vnet0)"));
        QCOMPARE(find(adapters, "vboxnet0")->description, std::string("Virtual network adapter (vboxnet0)"));
        QVERIFY(!source.bluetooth().has_value());
    }

    void interfaceVanishingMidScan()
    {
        // A copy of a tree whose interface loses its attributes, as a removed device does.
        QTemporaryDir copy;
        QVERIFY(copy.isValid());
        const QString root = copy.path();
        QDir().mkpath(root + "/sys/class/net/eth9");
        QDir().mkpath(root + "/sys/class/net/eth1");
        for (const auto &[file, text] :
             std::vector<std::pair<QString, QByteArray>>{{"eth1/type", "1\n"},
                                                         {"eth1/ifindex", "3\n"},
                                                         {"eth1/operstate", "up\n"},
                                                         {"eth1/address", "not-a-mac\n"},
                                                         {"eth1/speed", "-1\n"},
                                                         {"eth9/operstate", "up\n"}}) {
            QFile out(root + "/sys/class/net/" + file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(text);
        }
        LinuxSource source{SysRoot(root.toStdString())};
        const auto adapters = source.networkAdapters();
        QCOMPARE(names(adapters), std::vector<std::string>{"eth1"});
        QVERIFY(adapters.front().physicalAddress.empty());
        QCOMPARE(adapters.front().transmitLinkSpeed, std::uint64_t(0));
        QCOMPARE(adapters.front().description, std::string("Virtual network adapter (eth1)"));
    }

    void routeTables()
    {
        const std::string route = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\n"
                                  "wlan0\t00000000\t0101A8C0\t0003\t0\t0\t600\t00000000\n"
                                  "eth0\t00000000\t0100000A\t0003\t0\t0\t100\t00000000\n"
                                  "eth0\t00000000\t0200000A\t0003\t0\t0\t50\t00000000\n"
                                  "eth0\t0000000A\t00000000\t0001\t0\t0\t100\t000000FF\n"
                                  "ppp0\t00000000\t00000000\t0001\t0\t0\t0\t00000000\n"
                                  "eth1\t00000000\t0300000A\t0002\t0\t0\t0\t00000000\n"
                                  "eth2\tzzzz\n";
        const auto v4 = parseIpv4DefaultRoutes(route);
        QCOMPARE(v4.at("eth0"), (std::vector<std::string>{"10.0.0.2", "10.0.0.1"})); // lowest metric first
        QCOMPARE(v4.at("wlan0"), std::vector<std::string>{"192.168.1.1"});
        QCOMPARE(v4.size(), std::size_t(2)); // no gateway, not up, malformed

        const std::string v6text = "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
                                   "fe800000000000000000000000000001 "
                                   "00000400 00000001 00000000 00450003 eth0\n"
                                   "20010db8000000000000000000000000 40 00000000000000000000000000000000 00 "
                                   "fe800000000000000000000000000001 "
                                   "00000100 00000001 00000000 00000003 eth0\n"
                                   "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
                                   "00000000000000000000000000000000 "
                                   "ffffffff 00000001 00000000 00200200 lo\n"
                                   "short line\n";
        const auto v6 = parseIpv6DefaultRoutes(v6text);
        QCOMPARE(v6.size(), std::size_t(1));
        QCOMPARE(v6.at("eth0"), std::vector<std::string>{"fe80::1"});
    }

    void nameServers()
    {
        const std::string conf = "# nameserver 9.9.9.9\n"
                                 "search example.org\n"
                                 "nameserver 192.168.1.1\n"
                                 "  nameserver\tfe80::1%wlan0\n"
                                 "nameserver not-an-address\n"
                                 "nameserver\n"
                                 "nameservers 1.2.3.4\n"
                                 "nameserver 2001:4860:4860::8888 # trailing\n";
        QCOMPARE(parseNameServers(conf),
                 (std::vector<std::string>{"192.168.1.1", "fe80::1%wlan0", "2001:4860:4860::8888"}));

        // The local stub without an upstream file stays what the system uses.
        QTemporaryDir root;
        QDir().mkpath(root.path() + "/etc");
        QFile conf2(root.path() + "/etc/resolv.conf");
        QVERIFY(conf2.open(QIODevice::WriteOnly));
        conf2.write("nameserver 127.0.0.53\n");
        conf2.close();
        QCOMPARE(dnsServers(SysRoot(root.path().toStdString())), std::vector<std::string>{"127.0.0.53"});
    }

    void hardwareIds()
    {
        // A device id listed under another vendor is not this vendor's device.
        std::istringstream ids("# comment\n10de  NVIDIA Corporation\n\t8168  Not Realtek\n"
                               "10ec  Realtek Semiconductor Co., Ltd.\n\t\t10ec 8136  Subsystem line\n"
                               "\t8168  RTL8111/8168/8411 PCI Express Gigabit Ethernet Controller\n");
        QCOMPARE(lookupIds(ids, 0x10ec, 0x8168).device,
                 std::string("RTL8111/8168/8411 PCI Express Gigabit Ethernet Controller"));
        std::istringstream again(ids.str());
        const auto vendorOnly = lookupIds(again, 0x10de, 0x1234);
        QCOMPARE(vendorOnly.vendor, std::string("NVIDIA Corporation"));
        QVERIFY(vendorOnly.device.empty());
    }
};

KELVARO_TEST(TestLinuxNetwork)
#include "tst_linuxnetwork.moc"
