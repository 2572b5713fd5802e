#include "platform/linux/net_routes.h"

#include <arpa/inet.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <sstream>

namespace platform::linuxbackend {

namespace {

constexpr unsigned routeUp = 0x0001;
constexpr unsigned routeGateway = 0x0002;
constexpr unsigned routeReject = 0x0200;

bool parseHex(const std::string &text, unsigned long long *value)
{
    if (text.empty() || text.size() > 16 ||
        text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return false;
    *value = std::stoull(text, nullptr, 16);
    return true;
}

// 32 hex digits in network order.
bool parseIpv6Hex(const std::string &text, in6_addr *address)
{
    if (text.size() != 32)
        return false;
    for (std::size_t i = 0; i < 16; ++i) {
        unsigned long long byte = 0;
        if (!parseHex(text.substr(i * 2, 2), &byte))
            return false;
        address->s6_addr[i] = static_cast<std::uint8_t>(byte);
    }
    return true;
}

struct Route {
    unsigned long long metric;
    std::string gateway;
};

GatewayTable byMetric(std::map<std::string, std::vector<Route>> routes)
{
    GatewayTable table;
    for (auto &[name, list] : routes) {
        std::stable_sort(list.begin(), list.end(),
                         [](const Route &a, const Route &b) { return a.metric < b.metric; });
        for (const auto &route : list) {
            auto &gateways = table[name];
            if (std::find(gateways.begin(), gateways.end(), route.gateway) == gateways.end())
                gateways.push_back(route.gateway);
        }
    }
    return table;
}

bool isAddress(const std::string &text)
{
    const std::string bare = text.substr(0, text.find('%'));
    unsigned char buffer[sizeof(in6_addr)];
    return inet_pton(AF_INET, bare.c_str(), buffer) == 1 || inet_pton(AF_INET6, bare.c_str(), buffer) == 1;
}

} // namespace

GatewayTable parseIpv4DefaultRoutes(const std::string &routeText)
{
    std::map<std::string, std::vector<Route>> routes;
    std::istringstream lines(routeText);
    std::string line;
    std::getline(lines, line); // column titles
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string name, destination, gateway, flags, refCount, use, metric, mask;
        if (!(fields >> name >> destination >> gateway >> flags >> refCount >> use >> metric >> mask))
            continue;
        unsigned long long dest = 0, gw = 0, fl = 0, met = 0, msk = 0;
        if (!parseHex(destination, &dest) || !parseHex(gateway, &gw) || !parseHex(flags, &fl) ||
            !parseHex(mask, &msk) || gw > 0xFFFFFFFFull)
            continue;
        met = std::strtoull(metric.c_str(), nullptr, 10);
        if (dest != 0 || msk != 0 || gw == 0 || (fl & (routeUp | routeGateway)) != (routeUp | routeGateway))
            continue;
        // The kernel prints the address as a host-order number of its network-order bytes.
        in_addr address{};
        const auto raw = static_cast<std::uint32_t>(gw);
        std::memcpy(&address, &raw, sizeof raw);
        char text[INET_ADDRSTRLEN] = {};
        if (inet_ntop(AF_INET, &address, text, sizeof text))
            routes[name].push_back({met, text});
    }
    return byMetric(std::move(routes));
}

GatewayTable parseIpv6DefaultRoutes(const std::string &ipv6RouteText)
{
    std::map<std::string, std::vector<Route>> routes;
    std::istringstream lines(ipv6RouteText);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string destination, destLength, source, sourceLength, nextHop, metric, refCount, use, flags,
            name;
        if (!(fields >> destination >> destLength >> source >> sourceLength >> nextHop >> metric >>
              refCount >> use >> flags >> name))
            continue;
        in6_addr dest{}, hop{};
        unsigned long long length = 0, met = 0, fl = 0;
        if (!parseIpv6Hex(destination, &dest) || !parseIpv6Hex(nextHop, &hop) ||
            !parseHex(destLength, &length) || !parseHex(metric, &met) || !parseHex(flags, &fl))
            continue;
        if (length != 0 || IN6_IS_ADDR_UNSPECIFIED(&hop) || (fl & routeReject) ||
            (fl & (routeUp | routeGateway)) != (routeUp | routeGateway))
            continue;
        char text[INET6_ADDRSTRLEN] = {};
        if (inet_ntop(AF_INET6, &hop, text, sizeof text))
            routes[name].push_back({met, text});
    }
    return byMetric(std::move(routes));
}

GatewayTable defaultGateways(const SysRoot &root)
{
    GatewayTable table = parseIpv4DefaultRoutes(root.readFile("/proc/net/route").value_or(""));
    for (const auto &[name, gateways] :
         parseIpv6DefaultRoutes(root.readFile("/proc/net/ipv6_route").value_or("")))
        table[name].insert(table[name].end(), gateways.begin(), gateways.end());
    return table;
}

std::vector<std::string> parseNameServers(const std::string &resolvConf)
{
    std::vector<std::string> servers;
    std::istringstream lines(resolvConf);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string keyword, address;
        if (fields >> keyword >> address && keyword == "nameserver" && isAddress(address))
            servers.push_back(address);
    }
    return servers;
}

std::vector<std::string> dnsServers(const SysRoot &root)
{
    auto servers = parseNameServers(root.readFile("/etc/resolv.conf", 64 * 1024).value_or(""));
    if (std::find(servers.begin(), servers.end(), "127.0.0.53") != servers.end()) {
        auto upstream =
            parseNameServers(root.readFile("/run/systemd/resolve/resolv.conf", 64 * 1024).value_or(""));
        if (!upstream.empty())
            return upstream;
    }
    return servers;
}

} // namespace platform::linuxbackend
