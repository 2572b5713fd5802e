#pragma once

#include "platform/linux/sysroot.h"
#include "platform/source.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform::linuxbackend {

// One interface of /sys/class/net, before addresses, gateways and name servers are added.
struct NetInterface {
    std::string name;
    long long ifindex = 0;
    bool wireless = false;
    NetworkAdapter adapter;
};

// Every interface the kernel lists, by interface index. An interface that disappears while it is
// read is left out.
std::vector<NetInterface> readNetInterfaces(const SysRoot &root);

// Interface type in the Windows (IANA ifType) numbering from the ARPHRD_* link type.
std::uint32_t ifTypeOfLink(long long arphrdType, bool wireless);
// IF_OPER_STATUS from the kernel's operational state; drivers that leave it "unknown" are up
// when the interface is administratively up with a carrier.
std::uint32_t operStatusOf(const std::string &operstate, bool adminUp, bool carrier);
// "aa:bb:..." as bytes; empty when malformed or all zero (no hardware address).
std::vector<std::uint8_t> parseHardwareAddress(const std::string &text);

} // namespace platform::linuxbackend
