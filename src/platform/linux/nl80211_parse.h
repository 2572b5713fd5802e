#pragma once

#include "platform/linux/wifi_elements.h"
#include "platform/source.h"

#include <netlink/msg.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>

namespace platform::linuxbackend {

// A bit rate as nl80211 reports it: kbit/s and the DOT11 PHY type of its modulation
// (0 for a legacy rate, whose type depends on the band).
struct RateInfo {
    std::uint32_t kbps = 0;
    std::uint32_t phyType = 0;
};

// One reply message of each dump, decoded; nullopt when the message lacks what identifies it.
struct Nl80211Interface {
    std::uint32_t ifindex = 0;
    std::string name;
    std::uint32_t wiphy = 0;
    std::uint32_t iftype = 0;
    std::optional<std::string> ssid;
    std::uint32_t frequency = 0; // MHz
};
struct Nl80211Station {
    std::optional<int> signalDbm;
    RateInfo rx, tx;
};
struct Nl80211Bss {
    bool associated = false;
    std::uint32_t frequency = 0;
    std::uint16_t capability = 0;
    std::optional<int> signalDbm;
    std::string elements;
};
struct Nl80211WiphyPart {
    std::uint32_t wiphy = 0;
    std::set<std::uint32_t> phyTypes; // what the bands in this part of the dump support
};

std::optional<Nl80211Interface> parseInterfaceMessage(nl_msg *message);
std::optional<Nl80211Station> parseStationMessage(nl_msg *message);
std::optional<Nl80211Bss> parseBssMessage(nl_msg *message);
std::optional<Nl80211WiphyPart> parseWiphyMessage(nl_msg *message);

constexpr std::uint32_t nl80211IftypeStation = 2;
constexpr std::uint32_t nl80211IftypeP2pClient = 8;

// The WLAN interface as the seam describes it; connected when associated with a network.
WlanInterface assembleWlanInterface(const Nl80211Interface &interface,
                                    const std::set<std::uint32_t> &phyTypes,
                                    const std::optional<Nl80211Station> &station,
                                    const std::optional<Nl80211Bss> &bss);

} // namespace platform::linuxbackend
