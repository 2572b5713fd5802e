#include "platform/linux/linux_source.h"

#include "platform/linux/net_interfaces.h"
#include "platform/linux/net_routes.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>

#include <map>

namespace platform::linuxbackend {

namespace {

// IPv4 and IPv6 unicast addresses by interface name, in the order the kernel lists them.
std::map<std::string, std::vector<std::string>> liveAddresses()
{
    std::map<std::string, std::vector<std::string>> addresses;
    ifaddrs *list = nullptr;
    if (::getifaddrs(&list) != 0)
        return addresses;
    for (const ifaddrs *entry = list; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || !entry->ifa_name)
            continue;
        char text[INET6_ADDRSTRLEN] = {};
        const void *raw = nullptr;
        if (entry->ifa_addr->sa_family == AF_INET)
            raw = &reinterpret_cast<const sockaddr_in *>(entry->ifa_addr)->sin_addr;
        else if (entry->ifa_addr->sa_family == AF_INET6)
            raw = &reinterpret_cast<const sockaddr_in6 *>(entry->ifa_addr)->sin6_addr;
        if (raw && inet_ntop(entry->ifa_addr->sa_family, raw, text, sizeof text))
            addresses[entry->ifa_name].push_back(text);
    }
    ::freeifaddrs(list);
    return addresses;
}

} // namespace

std::vector<NetworkAdapter> LinuxSource::networkAdapters()
{
    std::vector<NetInterface> interfaces = readNetInterfaces(root_);
    const auto gateways = defaultGateways(root_);
    const auto nameServers = dnsServers(root_);
    std::map<std::string, std::vector<std::string>> addresses;
    std::map<std::string, WlanInterface> wireless;
    if (root_.isLive()) {
        addresses = liveAddresses();
        for (auto &wlan : wlanInterfaces())
            wireless[wlan.guid] = std::move(wlan);
    }

    std::vector<NetworkAdapter> adapters;
    for (auto &entry : interfaces) {
        NetworkAdapter &adapter = entry.adapter;
        if (const auto it = addresses.find(entry.name); it != addresses.end())
            adapter.unicast = it->second;
        if (const auto it = gateways.find(entry.name); it != gateways.end())
            adapter.gateways = it->second;
        // The resolver is configured for the whole system, not per interface.
        if (adapter.operStatus == NetworkAdapter::kOperUp && adapter.ifType != NetworkAdapter::kLoopback)
            adapter.dnsServers = nameServers;
        // sysfs has no speed for Wi-Fi; the current bit rates stand in for it.
        if (const auto it = wireless.find(entry.name); it != wireless.end() && it->second.connection) {
            adapter.transmitLinkSpeed = std::uint64_t(it->second.connection->txRate) * 1000;
            adapter.receiveLinkSpeed = std::uint64_t(it->second.connection->rxRate) * 1000;
        }
        adapters.push_back(std::move(adapter));
    }
    return adapters;
}

} // namespace platform::linuxbackend
