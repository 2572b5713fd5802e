#include "platform/linux/net_interfaces.h"

#include "platform/linux/hwids.h"

#include <linux/ethtool.h>
#include <linux/sockios.h>
#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sstream>

namespace platform::linuxbackend {

namespace {

constexpr long long arphrdEther = 1;
constexpr long long arphrdIeee1394 = 24;
constexpr long long arphrdInfiniband = 32;
constexpr long long arphrdPpp = 512;
constexpr long long arphrdLoopback = 772;
constexpr long long arphrdNone = 65534;

constexpr unsigned tunFlagTun = 0x0001;
constexpr unsigned tunFlagTap = 0x0002;
constexpr unsigned long ifFlagUp = 0x1;

// Where a sysfs link leads, as an absolute path below the root; empty when it does not resolve
// or leads out of the root.
std::string resolveBelowRoot(const SysRoot &root, const std::string &absolute)
{
    char *resolved = ::realpath(root.path(absolute).c_str(), nullptr);
    if (!resolved)
        return {};
    std::string path(resolved);
    std::free(resolved);
    if (root.isLive())
        return path;
    char *base = ::realpath(root.root().c_str(), nullptr);
    if (!base)
        return {};
    const std::string prefix(base);
    std::free(base);
    if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0 ||
        path[prefix.size()] != '/')
        return {};
    return path.substr(prefix.size());
}

std::string parentOf(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos || slash == 0 ? std::string() : path.substr(0, slash);
}

std::optional<std::uint16_t> hexId(const SysRoot &root, const std::string &absolute)
{
    const auto text = root.readAttribute(absolute);
    if (!text)
        return std::nullopt;
    char *end = nullptr;
    const unsigned long value = std::strtoul(text->c_str(), &end, 16);
    if (end == text->c_str() || *end != '\0' || value > 0xFFFF)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

std::string joined(const std::string &first, const std::string &second)
{
    if (first.empty())
        return second;
    if (second.empty())
        return first;
    return first + " " + second;
}

std::string namesText(const HardwareNames &names)
{
    return names.device.empty() ? std::string() : joined(names.vendor, names.device);
}

// The PCI or USB device behind an interface, named from the ids databases or its own strings.
std::string hardwareDescription(const SysRoot &root, const std::string &deviceDir)
{
    // The interface may hang off a USB interface or a virtio device; the named device is above it.
    std::string dir = deviceDir;
    for (int level = 0; level < 3 && dir.size() > 1 && dir != "/sys/devices"; ++level, dir = parentOf(dir)) {
        const auto usbVendor = hexId(root, dir + "/idVendor");
        const auto usbProduct = hexId(root, dir + "/idProduct");
        if (usbVendor && usbProduct) {
            std::string text = namesText(usbNames(root, *usbVendor, *usbProduct));
            if (text.empty())
                text = joined(root.readAttribute(dir + "/manufacturer").value_or(""),
                              root.readAttribute(dir + "/product").value_or(""));
            return text;
        }
        if (root.linkName(dir + "/subsystem") == "pci") {
            const auto vendor = hexId(root, dir + "/vendor");
            const auto device = hexId(root, dir + "/device");
            return vendor && device ? namesText(pciNames(root, *vendor, *device)) : std::string();
        }
    }
    return {};
}

std::string ueventValue(const SysRoot &root, const std::string &base, const std::string &key)
{
    std::istringstream lines(root.readFile(base + "/uevent", 16 * 1024).value_or(""));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.compare(0, key.size() + 1, key + "=") == 0)
            return trim(line.substr(key.size() + 1));
    }
    return {};
}

// The driver of a software interface, as ethtool reports it (no privileges needed).
std::string liveDriverName(const std::string &name)
{
    if (name.size() >= IFNAMSIZ)
        return {};
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return {};
    ethtool_drvinfo info{};
    info.cmd = ETHTOOL_GDRVINFO;
    ifreq request{};
    std::memcpy(request.ifr_name, name.c_str(), name.size());
    request.ifr_data = reinterpret_cast<char *>(&info);
    const bool ok = ::ioctl(fd, SIOCETHTOOL, &request) == 0;
    ::close(fd);
    if (!ok)
        return {};
    return std::string(info.driver, strnlen(info.driver, sizeof info.driver));
}

bool startsWith(const std::string &text, const char *prefix)
{
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// Every description here carries the word "Virtual" so the adapter is recognised as such.
std::string virtualDescription(const SysRoot &root, const std::string &name, const std::string &base)
{
    std::string kind = ueventValue(root, base, "DEVTYPE");
    if (kind.empty() && root.exists(base + "/bridge"))
        kind = "bridge";
    if (kind.empty() && root.exists(base + "/tun_flags")) {
        const auto flags = hexId(root, base + "/tun_flags");
        kind = flags && (*flags & tunFlagTap) ? "tap" : flags && (*flags & tunFlagTun) ? "tun" : "";
    }
    if (kind.empty() && root.isLive())
        kind = liveDriverName(name);
    if (kind.empty()) {
        for (const char *prefix : {"veth", "ifb", "dummy", "docker", "virbr", "br-"}) {
            if (startsWith(name, prefix))
                kind = prefix;
        }
    }
    static const std::pair<const char *, const char *> kinds[] = {
        {"bridge", "Virtual bridge adapter"},
        {"docker", "Virtual bridge adapter"},
        {"virbr", "Virtual bridge adapter"},
        {"br-", "Virtual bridge adapter"},
        {"veth", "Virtual Ethernet pair"},
        {"tap", "Virtual TAP adapter"},
        {"tun", "Virtual TUN adapter"},
        {"wireguard", "Virtual WireGuard tunnel"},
        {"vlan", "Virtual VLAN adapter"},
        {"8021q", "Virtual VLAN adapter"},
        {"bond", "Virtual bonded adapter"},
        {"bonding", "Virtual bonded adapter"},
        {"team", "Virtual team adapter"},
        {"vxlan", "Virtual VXLAN tunnel"},
        {"geneve", "Virtual Geneve tunnel"},
        {"macvlan", "Virtual MACVLAN adapter"},
        {"macvtap", "Virtual MACVTAP adapter"},
        {"ipvlan", "Virtual IPVLAN adapter"},
        {"ifb", "Virtual intermediate functional block"},
        {"dummy", "Virtual dummy adapter"},
        {"vrf", "Virtual routing and forwarding device"},
    };
    for (const auto &[word, description] : kinds) {
        if (kind == word)
            return std::string(description) + " (" + name + ")";
    }
    if (!kind.empty())
        return "Virtual network adapter (" + name + ", " + kind + ")";
    return "Virtual network adapter (" + name + ")";
}

std::optional<NetInterface> readInterface(const SysRoot &root, const std::string &name)
{
    const std::string base = "/sys/class/net/" + name;
    const auto linkType = root.readInteger(base + "/type");
    if (!linkType)
        return std::nullopt;
    NetInterface entry;
    entry.name = name;
    entry.ifindex = root.readInteger(base + "/ifindex").value_or(LLONG_MAX);
    entry.wireless =
        *linkType == arphrdEther && (root.exists(base + "/wireless") || root.exists(base + "/phy80211") ||
                                     ueventValue(root, base, "DEVTYPE") == "wlan");

    NetworkAdapter &adapter = entry.adapter;
    adapter.ifType = ifTypeOfLink(*linkType, entry.wireless);
    adapter.friendlyName = name;
    adapter.adapterName = name;
    if (*linkType == arphrdLoopback) {
        adapter.description = "Software Loopback Interface";
    } else if (root.exists(base + "/device")) {
        adapter.description = hardwareDescription(root, resolveBelowRoot(root, base + "/device"));
        if (adapter.description.empty())
            adapter.description = name;
    } else {
        adapter.description = virtualDescription(root, name, base);
    }
    adapter.physicalAddress = parseHardwareAddress(root.readAttribute(base + "/address").value_or(""));
    const auto flags = root.readAttribute(base + "/flags");
    const bool adminUp = flags && (std::strtoul(flags->c_str(), nullptr, 16) & ifFlagUp);
    adapter.operStatus = operStatusOf(root.readAttribute(base + "/operstate").value_or(""), adminUp,
                                      root.readInteger(base + "/carrier").value_or(0) == 1);
    const long long megabits = root.readInteger(base + "/speed").value_or(0);
    if (megabits > 0) {
        adapter.transmitLinkSpeed = static_cast<std::uint64_t>(megabits) * 1000000ull;
        adapter.receiveLinkSpeed = adapter.transmitLinkSpeed;
    }
    // Gone while it was read: what was read may be half of it.
    if (!root.exists(base + "/type"))
        return std::nullopt;
    return entry;
}

} // namespace

std::uint32_t ifTypeOfLink(long long arphrdType, bool wireless)
{
    switch (arphrdType) {
    case arphrdEther:
        return wireless ? NetworkAdapter::kWireless80211 : NetworkAdapter::kEthernet;
    case arphrdLoopback:
        return NetworkAdapter::kLoopback;
    case arphrdPpp:
        return 23;
    case arphrdIeee1394:
        return 144;
    case arphrdInfiniband:
        return 199;
    case 768: // IPIP
    case 769: // IP6IP6
    case 776: // SIT
    case 778: // GRE
    case 823: // IP6GRE
        return 131;
    case arphrdNone: // tun, WireGuard
        return 53;
    default:
        return 1;
    }
}

std::uint32_t operStatusOf(const std::string &operstate, bool adminUp, bool carrier)
{
    if (operstate == "up")
        return NetworkAdapter::kOperUp;
    if (operstate == "down")
        return 2;
    if (operstate == "testing")
        return 3;
    if (operstate == "dormant")
        return 5;
    if (operstate == "notpresent")
        return 6;
    if (operstate == "lowerlayerdown")
        return 7;
    return adminUp && carrier ? NetworkAdapter::kOperUp : 4;
}

std::vector<std::uint8_t> parseHardwareAddress(const std::string &text)
{
    std::vector<std::uint8_t> bytes;
    std::istringstream parts(text);
    std::string part;
    bool allZero = true;
    while (std::getline(parts, part, ':')) {
        if (part.size() != 2 || part.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            return {};
        bytes.push_back(static_cast<std::uint8_t>(std::strtoul(part.c_str(), nullptr, 16)));
        allZero = allZero && bytes.back() == 0;
    }
    return allZero ? std::vector<std::uint8_t>() : bytes;
}

std::vector<NetInterface> readNetInterfaces(const SysRoot &root)
{
    std::vector<NetInterface> interfaces;
    for (const auto &name : root.listDir("/sys/class/net")) {
        if (auto entry = readInterface(root, name))
            interfaces.push_back(std::move(*entry));
    }
    std::stable_sort(interfaces.begin(), interfaces.end(),
                     [](const NetInterface &a, const NetInterface &b) { return a.ifindex < b.ifindex; });
    return interfaces;
}

} // namespace platform::linuxbackend
