#include "platform/linux/nl80211_parse.h"
#include "platform/linux/wifi_elements.h"
#include "testregistry.h"

#include <QTest>

#include <linux/nl80211.h>
#include <netlink/attr.h>
#include <netlink/genl/genl.h>

#include <memory>

using namespace platform;
using namespace platform::linuxbackend;

namespace {

using Bytes = std::string;

Bytes element(std::uint8_t id, const Bytes &body)
{
    return Bytes{char(id), char(body.size())} + body;
}

Bytes ssid(const Bytes &name)
{
    return element(0, name);
}

// RSN element with CCMP ciphers and the given key-management suite types (00-0F-AC:type).
Bytes rsn(std::initializer_list<std::uint8_t> akms)
{
    Bytes body{1, 0, 0x00, 0x0F, char(0xAC), 4, 1, 0, 0x00, 0x0F, char(0xAC), 4, char(akms.size()), 0};
    for (const auto akm : akms)
        body += Bytes{0x00, 0x0F, char(0xAC), char(akm)};
    return element(48, body + Bytes{char(0x8C), 0});
}

std::uint32_t auth(const Bytes &elements, std::uint16_t capability = 0x0411)
{
    return authAlgorithmOfElements(reinterpret_cast<const std::uint8_t *>(elements.data()), elements.size(),
                                   capability);
}

struct MessageFree {
    void operator()(nl_msg *message) const { nlmsg_free(message); }
};
using Message = std::unique_ptr<nl_msg, MessageFree>;

Message reply(std::uint8_t command)
{
    Message message(nlmsg_alloc());
    genlmsg_put(message.get(), 0, 0, 0x20, 0, 0, command, 0);
    return message;
}

void putRate(nl_msg *message, int type, std::uint32_t rate100kbps, int mcsAttribute)
{
    nlattr *rate = nla_nest_start(message, type);
    nla_put_u32(message, NL80211_RATE_INFO_BITRATE32, rate100kbps);
    if (mcsAttribute)
        nla_put_u8(message, mcsAttribute, 9);
    nla_nest_end(message, rate);
}

Message stationReply(int signal, std::uint32_t rx, std::uint32_t tx, int mcsAttribute)
{
    Message message = reply(NL80211_CMD_NEW_STATION);
    nla_put_u32(message.get(), NL80211_ATTR_IFINDEX, 3);
    nlattr *info = nla_nest_start(message.get(), NL80211_ATTR_STA_INFO);
    nla_put_u8(message.get(), NL80211_STA_INFO_SIGNAL, static_cast<std::uint8_t>(signal));
    putRate(message.get(), NL80211_STA_INFO_RX_BITRATE, rx, mcsAttribute);
    putRate(message.get(), NL80211_STA_INFO_TX_BITRATE, tx, mcsAttribute);
    nla_nest_end(message.get(), info);
    return message;
}

Message bssReply(std::uint32_t frequency, const Bytes &elements, std::uint32_t status)
{
    Message message = reply(NL80211_CMD_NEW_SCAN_RESULTS);
    nlattr *bss = nla_nest_start(message.get(), NL80211_ATTR_BSS);
    nla_put_u32(message.get(), NL80211_BSS_FREQUENCY, frequency);
    nla_put_u16(message.get(), NL80211_BSS_CAPABILITY, 0x0411);
    nla_put_u32(message.get(), NL80211_BSS_SIGNAL_MBM, static_cast<std::uint32_t>(-6400));
    nla_put(message.get(), NL80211_BSS_INFORMATION_ELEMENTS, int(elements.size()), elements.data());
    nla_put_u32(message.get(), NL80211_BSS_STATUS, status);
    nla_nest_end(message.get(), bss);
    return message;
}

Nl80211Interface stationInterface(std::uint32_t frequency = 0)
{
    Nl80211Interface interface;
    interface.ifindex = 3;
    interface.name = "wlp2s0";
    interface.iftype = nl80211IftypeStation;
    interface.frequency = frequency;
    return interface;
}

} // namespace

class TestNl80211 : public QObject {
    Q_OBJECT

private slots:
    void channelsAndSignal()
    {
        const std::pair<std::uint32_t, std::uint32_t> channels[] = {
            {2412, 1}, {2484, 14}, {5745, 149}, {4920, 184}, {5935, 2}, {5955, 1}, {60480, 2}, {3000, 0}};
        for (const auto &[mhz, channel] : channels)
            QCOMPARE(channelOfFrequency(mhz), channel);
        QCOMPARE(signalQualityOfDbm(-110), 0u);
        QCOMPARE(signalQualityOfDbm(-59), 82u);
        QCOMPARE(signalQualityOfDbm(-20), 100u);
    }

    void ssidElement()
    {
        const Bytes elements = element(1, "\x82\x84") + ssid("Nh\xC3\xA0 Tr\xE1\xBB\x8D 5G") + ssid("second");
        const auto name =
            ssidOfElements(reinterpret_cast<const std::uint8_t *>(elements.data()), elements.size());
        QCOMPARE(QString::fromStdString(name.value_or("")), QString::fromUtf8("Nhà Trọ 5G"));

        const Bytes hidden = ssid(Bytes(4, '\0'));
        QCOMPARE(ssidOfElements(reinterpret_cast<const std::uint8_t *>(hidden.data()), hidden.size())
                     .value_or("x"),
                 Bytes(4, '\0'));
        // A length running past the end, and an over-long SSID, are not SSIDs.
        const Bytes truncated = Bytes{0, 10} + "abc";
        QVERIFY(!ssidOfElements(reinterpret_cast<const std::uint8_t *>(truncated.data()), truncated.size()));
        const Bytes tooLong = ssid(Bytes(33, 'a'));
        QVERIFY(!ssidOfElements(reinterpret_cast<const std::uint8_t *>(tooLong.data()), tooLong.size()));
    }

    void securityFromElements()
    {
        QCOMPARE(auth(ssid("x") + rsn({2})), 7u);     // WPA2-Personal
        QCOMPARE(auth(rsn({8})), 9u);                 // WPA3-Personal
        QCOMPARE(auth(rsn({2, 8})), 7u);              // transition mode: the weaker side
        QCOMPARE(auth(rsn({18})), 10u);               // opportunistic encryption
        QCOMPARE(auth(element(48, Bytes{1, 0})), 6u); // no suite lists: 802.1X by default
        // WPA (vendor element) when there is no RSN element.
        const Bytes wpa = element(221, Bytes{0x00, 0x50, char(0xF2), 1, 1, 0, 0x00, 0x50, char(0xF2), 2, 1, 0,
                                             0x00, 0x50, char(0xF2), 2, 1, 0, 0x00, 0x50, char(0xF2), 2});
        QCOMPARE(auth(wpa), 4u);
        QCOMPARE(auth(wpa + rsn({2})), 7u);
        QCOMPARE(auth(ssid("cafe")), 2u);         // privacy without RSN or WPA: WEP
        QCOMPARE(auth(ssid("cafe"), 0x0401), 1u); // open
        // A key-management count larger than the element: the suites present are used.
        Bytes cut = rsn({8});
        cut[1] = char(cut[1] - 2); // drop the capabilities field
        cut.resize(cut.size() - 2);
        cut[2 + 12] = 5;
        QCOMPARE(auth(cut), 9u);
    }

    void wiphyBands()
    {
        Message message = reply(NL80211_CMD_NEW_WIPHY);
        nla_put_u32(message.get(), NL80211_ATTR_WIPHY, 1);
        nlattr *bands = nla_nest_start(message.get(), NL80211_ATTR_WIPHY_BANDS);
        nlattr *band = nla_nest_start(message.get(), NL80211_BAND_2GHZ);
        nla_put_u16(message.get(), NL80211_BAND_ATTR_HT_CAPA, 0x19ef);
        nla_nest_end(message.get(), band);
        band = nla_nest_start(message.get(), NL80211_BAND_5GHZ);
        nla_put_u16(message.get(), NL80211_BAND_ATTR_HT_CAPA, 0x19ef);
        nla_put_u32(message.get(), NL80211_BAND_ATTR_VHT_CAPA, 0x039071f6);
        nlattr *iftypes = nla_nest_start(message.get(), NL80211_BAND_ATTR_IFTYPE_DATA);
        nlattr *entry = nla_nest_start(message.get(), 1);
        const char hePhy[11] = {0x22,       0x20, 0x02, char(0xc0), 0x0f, 0x03,
                                (char)0x95, 0x18, 0x00, (char)0xcc, 0x00};
        nla_put(message.get(), NL80211_BAND_IFTYPE_ATTR_HE_CAP_PHY, sizeof hePhy, hePhy);
        nla_nest_end(message.get(), entry);
        nla_nest_end(message.get(), iftypes);
        nla_nest_end(message.get(), band);
        band = nla_nest_start(message.get(), NL80211_BAND_60GHZ);
        nla_put_u16(message.get(), NL80211_BAND_ATTR_HT_CAPA, 0x1);
        nla_nest_end(message.get(), band);
        nla_nest_end(message.get(), bands);

        const auto part = parseWiphyMessage(message.get());
        QVERIFY(part);
        QCOMPARE(part->wiphy, 1u);
        QCOMPARE(part->phyTypes, (std::set<std::uint32_t>{4, 5, 6, 7, 8, 10}));

        // Later parts of a split dump name the wiphy but carry no bands.
        Message later = reply(NL80211_CMD_NEW_WIPHY);
        nla_put_u32(later.get(), NL80211_ATTR_WIPHY, 1);
        QVERIFY(parseWiphyMessage(later.get())->phyTypes.empty());
        QVERIFY(!parseWiphyMessage(reply(NL80211_CMD_NEW_WIPHY).get()));
    }

    void interfaceMessage()
    {
        Message message = reply(NL80211_CMD_NEW_INTERFACE);
        nla_put_u32(message.get(), NL80211_ATTR_IFINDEX, 3);
        nla_put(message.get(), NL80211_ATTR_IFNAME, 6, "wlp2s0"); // no terminating zero
        nla_put_u32(message.get(), NL80211_ATTR_WIPHY, 0);
        nla_put_u32(message.get(), NL80211_ATTR_IFTYPE, nl80211IftypeStation);
        nla_put(message.get(), NL80211_ATTR_SSID, 4, "Home");
        nla_put_u32(message.get(), NL80211_ATTR_WIPHY_FREQ, 2437);
        const auto interface = parseInterfaceMessage(message.get());
        QVERIFY(interface);
        QCOMPARE(interface->name, std::string("wlp2s0"));
        QCOMPARE(interface->ssid.value_or(""), std::string("Home"));
        QCOMPARE(interface->frequency, 2437u);

        // The P2P device has no network interface.
        Message device = reply(NL80211_CMD_NEW_INTERFACE);
        nla_put_u32(device.get(), NL80211_ATTR_WIPHY, 0);
        nla_put_u32(device.get(), NL80211_ATTR_IFTYPE, NL80211_IFTYPE_P2P_DEVICE);
        QVERIFY(!parseInterfaceMessage(device.get()));
    }

    void connectedInterface()
    {
        const auto station =
            parseStationMessage(stationReply(-59, 8667, 5850, NL80211_RATE_INFO_VHT_MCS).get());
        const auto bss =
            parseBssMessage(bssReply(5745, ssid("Nh\xC3\xA0 Tr\xE1\xBB\x8D 5G") + rsn({2}), 1).get());
        QVERIFY(bss && bss->associated);
        const WlanInterface wlan = assembleWlanInterface(stationInterface(), {4, 5, 6, 7, 8}, station, bss);
        QCOMPARE(wlan.guid, std::string("wlp2s0"));
        QCOMPARE(wlan.phyTypes, (std::vector<std::uint32_t>{4, 5, 6, 7, 8}));
        QVERIFY(wlan.connection);
        const WlanConnection &c = *wlan.connection;
        QCOMPARE(QString::fromStdString(c.ssid), QString::fromUtf8("Nhà Trọ 5G"));
        QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                     .arg(wlan.state)
                     .arg(c.signalQuality)
                     .arg(c.phyType)
                     .arg(c.rxRate)
                     .arg(c.txRate)
                     .arg(c.authAlgorithm)
                     .arg(wlan.channel.value_or(0)),
                 QString("1 82 8 866700 585000 7 149")); // state, signal, PHY, rates, auth, channel

        // A reply without station information is not a station.
        QVERIFY(!parseStationMessage(reply(NL80211_CMD_NEW_STATION).get()));
        QVERIFY(!parseStationMessage(nullptr));
    }

    void legacyRatesAndMissingPieces()
    {
        // 54 Mbit/s on 2.4 GHz is 802.11g; 11 Mbit/s is 802.11b; legacy on 5 GHz is 802.11a.
        const auto bss24 = parseBssMessage(bssReply(2437, ssid("old"), 1).get());
        auto g = parseStationMessage(stationReply(-70, 540, 540, 0).get());
        QCOMPARE(assembleWlanInterface(stationInterface(), {}, g, bss24).connection->phyType, 6u);
        auto b = parseStationMessage(stationReply(-70, 110, 110, 0).get());
        QCOMPARE(assembleWlanInterface(stationInterface(), {}, b, bss24).connection->phyType, 5u);
        const auto bss5 = parseBssMessage(bssReply(5180, ssid("old"), 1).get());
        QCOMPARE(assembleWlanInterface(stationInterface(), {}, g, bss5).connection->phyType, 4u);

        // No station answer: the scan entry's signal stands in, the rates stay unknown.
        const WlanInterface noStation = assembleWlanInterface(stationInterface(), {}, std::nullopt, bss5);
        QCOMPARE(noStation.connection->signalQuality, 72u);
        QCOMPARE(noStation.connection->rxRate, 0u);

        // A neighbour the interface is not associated with does not make it connected.
        const auto neighbour = parseBssMessage(bssReply(5180, ssid("other"), 0).get());
        const WlanInterface idle = assembleWlanInterface(stationInterface(), {4}, std::nullopt, neighbour);
        QCOMPARE(idle.state, 4u);
        QVERIFY(!idle.connection);
        QVERIFY(!idle.channel);
    }
};

KELVARO_TEST(TestNl80211)
#include "tst_nl80211.moc"
