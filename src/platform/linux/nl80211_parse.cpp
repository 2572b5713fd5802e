#include "platform/linux/nl80211_parse.h"

#include <linux/nl80211.h>
#include <netlink/attr.h>
#include <netlink/genl/genl.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace platform::linuxbackend {

namespace {

constexpr std::size_t ssidMaxBytes = 32;

constexpr std::uint32_t phyOfdm = 4, phyHrDsss = 5, phyErp = 6, phyHt = 7, phyVht = 8, phyHe = 10,
                        phyEht = 11;

std::optional<std::uint32_t> u32Of(const nlattr *attribute)
{
    if (!attribute || nla_len(attribute) < 4)
        return std::nullopt;
    std::uint32_t value = 0;
    std::memcpy(&value, nla_data(attribute), sizeof value);
    return value;
}

std::optional<std::uint16_t> u16Of(const nlattr *attribute)
{
    if (!attribute || nla_len(attribute) < 2)
        return std::nullopt;
    std::uint16_t value = 0;
    std::memcpy(&value, nla_data(attribute), sizeof value);
    return value;
}

std::optional<std::uint8_t> u8Of(const nlattr *attribute)
{
    if (!attribute || nla_len(attribute) < 1)
        return std::nullopt;
    return *static_cast<const std::uint8_t *>(nla_data(attribute));
}

std::string bytesOf(const nlattr *attribute)
{
    if (!attribute || nla_len(attribute) <= 0)
        return {};
    return std::string(static_cast<const char *>(nla_data(attribute)),
                       static_cast<std::size_t>(nla_len(attribute)));
}

// Text attributes end at their terminating zero, or at the attribute's end when it has none.
std::string textOf(const nlattr *attribute)
{
    const std::string bytes = bytesOf(attribute);
    return bytes.substr(0, bytes.find('\0'));
}

template <std::size_t N> bool parseTop(nl_msg *message, nlattr *(&table)[N])
{
    std::fill(std::begin(table), std::end(table), nullptr);
    if (!message)
        return false;
    nlmsghdr *header = nlmsg_hdr(message);
    if (!genlmsg_valid_hdr(header, 0))
        return false;
    auto *genl = static_cast<genlmsghdr *>(nlmsg_data(header));
    return nla_parse(table, static_cast<int>(N - 1), genlmsg_attrdata(genl, 0), genlmsg_attrlen(genl, 0),
                     nullptr) == 0;
}

template <std::size_t N> bool parseNested(nlattr *attribute, nlattr *(&table)[N])
{
    std::fill(std::begin(table), std::end(table), nullptr);
    return attribute && nla_parse_nested(table, static_cast<int>(N - 1), attribute, nullptr) == 0;
}

RateInfo rateOf(nlattr *attribute)
{
    RateInfo rate;
    nlattr *info[NL80211_RATE_INFO_MAX + 1];
    if (!parseNested(attribute, info))
        return rate;
    if (const auto rate32 = u32Of(info[NL80211_RATE_INFO_BITRATE32]))
        rate.kbps = *rate32 * 100;
    else if (const auto rate16 = u16Of(info[NL80211_RATE_INFO_BITRATE]))
        rate.kbps = std::uint32_t(*rate16) * 100;
    if (info[NL80211_RATE_INFO_EHT_MCS])
        rate.phyType = phyEht;
    else if (info[NL80211_RATE_INFO_HE_MCS])
        rate.phyType = phyHe;
    else if (info[NL80211_RATE_INFO_VHT_MCS])
        rate.phyType = phyVht;
    else if (info[NL80211_RATE_INFO_MCS])
        rate.phyType = phyHt;
    return rate;
}

void addBandTypes(int band, nlattr *attribute, std::set<std::uint32_t> &types)
{
    nlattr *info[NL80211_BAND_ATTR_MAX + 1];
    if (!parseNested(attribute, info))
        return;
    if (band == NL80211_BAND_2GHZ) {
        types.insert(phyHrDsss);
        types.insert(phyErp);
    } else if (band == NL80211_BAND_5GHZ) {
        types.insert(phyOfdm);
    } else if (band != NL80211_BAND_6GHZ) {
        return; // 60 GHz and sub-1 GHz have no standard name here
    }
    if (info[NL80211_BAND_ATTR_HT_CAPA])
        types.insert(phyHt);
    if (info[NL80211_BAND_ATTR_VHT_CAPA])
        types.insert(phyVht);
    if (!info[NL80211_BAND_ATTR_IFTYPE_DATA])
        return;
    nlattr *entry = nullptr;
    int remaining = 0;
    nla_for_each_nested(entry, info[NL80211_BAND_ATTR_IFTYPE_DATA], remaining)
    {
        nlattr *data[NL80211_BAND_IFTYPE_ATTR_MAX + 1];
        if (!parseNested(entry, data))
            continue;
        if (data[NL80211_BAND_IFTYPE_ATTR_HE_CAP_PHY] &&
            nla_len(data[NL80211_BAND_IFTYPE_ATTR_HE_CAP_PHY]) > 0)
            types.insert(phyHe);
        if (data[NL80211_BAND_IFTYPE_ATTR_EHT_CAP_PHY] &&
            nla_len(data[NL80211_BAND_IFTYPE_ATTR_EHT_CAP_PHY]) > 0)
            types.insert(phyEht);
    }
}

std::uint32_t legacyPhyType(std::uint32_t frequency, std::uint32_t kbps)
{
    if (frequency >= 2400 && frequency < 2500)
        return kbps > 0 && kbps <= 11000 ? phyHrDsss : phyErp;
    if (frequency >= 4900 && frequency <= 7125)
        return phyOfdm;
    return 0;
}

} // namespace

std::optional<Nl80211Interface> parseInterfaceMessage(nl_msg *message)
{
    nlattr *tb[NL80211_ATTR_MAX + 1];
    if (!parseTop(message, tb))
        return std::nullopt;
    const auto ifindex = u32Of(tb[NL80211_ATTR_IFINDEX]);
    Nl80211Interface interface;
    interface.name = textOf(tb[NL80211_ATTR_IFNAME]);
    if (!ifindex || *ifindex == 0 || interface.name.empty())
        return std::nullopt;
    interface.ifindex = *ifindex;
    interface.wiphy = u32Of(tb[NL80211_ATTR_WIPHY]).value_or(0);
    interface.iftype = u32Of(tb[NL80211_ATTR_IFTYPE]).value_or(0);
    if (tb[NL80211_ATTR_SSID] && nla_len(tb[NL80211_ATTR_SSID]) <= int(ssidMaxBytes))
        interface.ssid = bytesOf(tb[NL80211_ATTR_SSID]);
    interface.frequency = u32Of(tb[NL80211_ATTR_WIPHY_FREQ]).value_or(0);
    return interface;
}

std::optional<Nl80211Station> parseStationMessage(nl_msg *message)
{
    nlattr *tb[NL80211_ATTR_MAX + 1];
    nlattr *info[NL80211_STA_INFO_MAX + 1];
    if (!parseTop(message, tb) || !parseNested(tb[NL80211_ATTR_STA_INFO], info))
        return std::nullopt;
    Nl80211Station station;
    if (const auto signal = u8Of(info[NL80211_STA_INFO_SIGNAL]))
        station.signalDbm = static_cast<std::int8_t>(*signal);
    station.rx = rateOf(info[NL80211_STA_INFO_RX_BITRATE]);
    station.tx = rateOf(info[NL80211_STA_INFO_TX_BITRATE]);
    return station;
}

std::optional<Nl80211Bss> parseBssMessage(nl_msg *message)
{
    nlattr *tb[NL80211_ATTR_MAX + 1];
    nlattr *info[NL80211_BSS_MAX + 1];
    if (!parseTop(message, tb) || !parseNested(tb[NL80211_ATTR_BSS], info))
        return std::nullopt;
    Nl80211Bss bss;
    const auto status = u32Of(info[NL80211_BSS_STATUS]);
    bss.associated =
        status && (*status == NL80211_BSS_STATUS_ASSOCIATED || *status == NL80211_BSS_STATUS_IBSS_JOINED);
    bss.frequency = u32Of(info[NL80211_BSS_FREQUENCY]).value_or(0);
    bss.capability = u16Of(info[NL80211_BSS_CAPABILITY]).value_or(0);
    if (const auto mbm = u32Of(info[NL80211_BSS_SIGNAL_MBM]))
        bss.signalDbm = static_cast<std::int32_t>(*mbm) / 100;
    bss.elements = bytesOf(info[NL80211_BSS_INFORMATION_ELEMENTS]);
    if (bss.elements.empty())
        bss.elements = bytesOf(info[NL80211_BSS_BEACON_IES]);
    return bss;
}

std::optional<Nl80211WiphyPart> parseWiphyMessage(nl_msg *message)
{
    nlattr *tb[NL80211_ATTR_MAX + 1];
    if (!parseTop(message, tb))
        return std::nullopt;
    const auto wiphy = u32Of(tb[NL80211_ATTR_WIPHY]);
    if (!wiphy)
        return std::nullopt;
    Nl80211WiphyPart part;
    part.wiphy = *wiphy;
    if (tb[NL80211_ATTR_WIPHY_BANDS]) {
        nlattr *band = nullptr;
        int remaining = 0;
        nla_for_each_nested(band, tb[NL80211_ATTR_WIPHY_BANDS], remaining)
        {
            addBandTypes(nla_type(band), band, part.phyTypes);
        }
    }
    return part;
}

WlanInterface assembleWlanInterface(const Nl80211Interface &interface,
                                    const std::set<std::uint32_t> &phyTypes,
                                    const std::optional<Nl80211Station> &station,
                                    const std::optional<Nl80211Bss> &bss)
{
    constexpr std::uint32_t stateDisconnected = 4;
    WlanInterface wlan;
    wlan.guid = interface.name;
    wlan.phyTypes.assign(phyTypes.begin(), phyTypes.end());
    const bool associated = bss && bss->associated;
    const bool connected = associated || (interface.ssid && station);
    wlan.state = connected ? WlanInterface::kConnected : stateDisconnected;
    if (!connected)
        return wlan;

    WlanConnection link;
    std::optional<std::string> ssid;
    if (associated)
        ssid = ssidOfElements(reinterpret_cast<const std::uint8_t *>(bss->elements.data()),
                              bss->elements.size());
    link.ssid = ssid ? *ssid : interface.ssid.value_or("");
    std::optional<int> dbm = station ? station->signalDbm : std::nullopt;
    if (!dbm && associated)
        dbm = bss->signalDbm;
    link.signalQuality = dbm ? signalQualityOfDbm(*dbm) : 0;
    const std::uint32_t frequency = associated && bss->frequency ? bss->frequency : interface.frequency;
    if (station) {
        link.rxRate = station->rx.kbps;
        link.txRate = station->tx.kbps;
        link.phyType = std::max(station->rx.phyType, station->tx.phyType);
        if (link.phyType == 0)
            link.phyType = legacyPhyType(frequency, std::max(station->rx.kbps, station->tx.kbps));
    }
    if (associated) {
        link.authAlgorithm =
            authAlgorithmOfElements(reinterpret_cast<const std::uint8_t *>(bss->elements.data()),
                                    bss->elements.size(), bss->capability);
    }
    wlan.connection = link;
    if (const auto channel = channelOfFrequency(frequency))
        wlan.channel = channel;
    return wlan;
}

} // namespace platform::linuxbackend
