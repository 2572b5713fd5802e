#pragma once

#include "platform/linux/sysroot.h"

#include <map>
#include <string>
#include <vector>

namespace platform::linuxbackend {

// Default gateways by interface name, lowest metric first.
using GatewayTable = std::map<std::string, std::vector<std::string>>;

// /proc/net/route and /proc/net/ipv6_route texts.
GatewayTable parseIpv4DefaultRoutes(const std::string &routeText);
GatewayTable parseIpv6DefaultRoutes(const std::string &ipv6RouteText);
// IPv4 gateways before IPv6 ones.
GatewayTable defaultGateways(const SysRoot &root);

// Name servers of a resolv.conf text, in file order; lines that are not addresses are ignored.
std::vector<std::string> parseNameServers(const std::string &resolvConf);
// The resolver's servers; behind systemd-resolved's local stub, the upstream servers it uses.
std::vector<std::string> dnsServers(const SysRoot &root);

} // namespace platform::linuxbackend
