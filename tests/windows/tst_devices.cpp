#include "check.h"
#include "support.h"

#include "platform/windows/adapter_addresses.h"
#include "platform/windows/drive_transport.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

using namespace platform;
using platform::windowsbackend::WindowsSource;

namespace {

bool contains(const std::vector<std::string> &list, const std::string &item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

// The gateway of the host's default IPv4 route as dotted text; empty when there is none.
std::string hostDefaultGateway()
{
    std::istringstream route(support::hostFile("/proc/net/route"));
    std::string line;
    std::getline(route, line); // header
    while (std::getline(route, line)) {
        std::istringstream fields(line);
        std::string name, destination, gateway;
        fields >> name >> destination >> gateway;
        if (destination != "00000000" || gateway == "00000000")
            continue;
        const unsigned long bits =
            std::strtoul(gateway.c_str(), nullptr, 16); // network order, read little-endian
        return std::to_string(bits & 0xFF) + "." + std::to_string((bits >> 8) & 0xFF) + "." +
               std::to_string((bits >> 16) & 0xFF) + "." + std::to_string((bits >> 24) & 0xFF);
    }
    return {};
}

std::vector<std::string> hostNameServers()
{
    std::vector<std::string> servers;
    std::istringstream conf(support::hostFile("/etc/resolv.conf"));
    std::string line;
    while (std::getline(conf, line)) {
        std::istringstream fields(line);
        std::string word, address;
        // IPv4 servers off the loopback (a local stub resolver is the host's business).
        if (fields >> word >> address && word == "nameserver" && address.find('.') != std::string::npos &&
            address.rfind("127.", 0) != 0)
            servers.push_back(address);
    }
    return servers;
}

bool sameAdapters(const std::vector<NetworkAdapter> &a, const std::vector<NetworkAdapter> &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].adapterName != b[i].adapterName || a[i].unicast != b[i].unicast ||
            a[i].physicalAddress != b[i].physicalAddress)
            return false;
    }
    return true;
}

} // namespace

TEST_CASE(networkAdaptersAgreeWithTheHost)
{
    WindowsSource source;
    const auto adapters = source.networkAdapters();
    REQUIRE(!adapters.empty());

    bool loopback = false;
    std::vector<std::string> gateways, dns;
    for (const NetworkAdapter &adapter : adapters) {
        if (adapter.ifType == 24)
            loopback = loopback || contains(adapter.unicast, "127.0.0.1");
        gateways.insert(gateways.end(), adapter.gateways.begin(), adapter.gateways.end());
        dns.insert(dns.end(), adapter.dnsServers.begin(), adapter.dnsServers.end());
        CHECK(!adapter.adapterName.empty());
    }
    CHECK(loopback);
    const std::string gateway = hostDefaultGateway();
    if (!gateway.empty())
        CHECK(contains(gateways, gateway));
    for (const std::string &server : hostNameServers())
        CHECK(contains(dns, server));
}

TEST_CASE(networkAdaptersSurviveABufferTooSmall)
{
    const auto roomy = windowsbackend::adapterAddresses(1 << 20);
    REQUIRE(!roomy.empty());
    CHECK(sameAdapters(windowsbackend::adapterAddresses(1), roomy));
    CHECK(sameAdapters(windowsbackend::adapterAddresses(0), roomy));
}

// run.sh runs under a virtual X display; without one Wine has no desktop to show.
TEST_CASE(displayDevicesAndGraphicsAdapters)
{
    if (!std::getenv("DISPLAY")) {
        std::printf("  (no DISPLAY: display devices and DXGI not checked)\n");
        return;
    }
    WindowsSource source;
    const auto devices = source.displayDevices();
    const auto primary = std::find_if(devices.begin(), devices.end(),
                                      [](const DisplayDevice &d) { return (d.stateFlags & 5) == 5; });
    REQUIRE(primary != devices.end());
    CHECK(!primary->deviceName.empty());
    REQUIRE(primary->current);
    CHECK(primary->current->width > 0 && primary->current->height > 0);
    const bool listed = std::any_of(primary->modes.begin(), primary->modes.end(), [&](const DisplayMode &m) {
        return m.width == primary->current->width && m.height == primary->current->height;
    });
    CHECK(listed);
    for (const DisplayDevice &device : devices) {
        if (!(device.stateFlags & 1))
            CHECK(!device.current && device.modes.empty());
    }

    const auto adapters = source.graphicsAdapters();
    REQUIRE(!adapters.empty());
    CHECK(!adapters[0].description.empty());
}

TEST_CASE(driveTransportsFailCleanly)
{
    WindowsSource source;
    CHECK(!source.readDrive(-1).opened);
    CHECK(!source.readDrive(4000).opened);

    // A handle that refuses the storage query and every pass-through: nothing is taken from it.
    wchar_t folder[MAX_PATH] = {};
    wchar_t path[MAX_PATH] = {};
    REQUIRE(GetTempPathW(MAX_PATH, folder) && GetTempFileNameW(folder, L"kel", 0, path));
    const HANDLE file = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    REQUIRE(file != INVALID_HANDLE_VALUE);
    const DrivePages pages = windowsbackend::readDrivePages(file);
    CloseHandle(file);
    CHECK(pages.opened);
    CHECK(!pages.nvmeHealthLog && !pages.identify && !pages.smartData);
}

// Wine has no WLAN interfaces and no Bluetooth radio: the calls run and give nothing.
TEST_CASE(wirelessWithoutHardwareGivesNothing)
{
    WindowsSource source;
    CHECK(source.wlanInterfaces().empty());
    CHECK(!source.bluetooth());
}

// run.sh runs this with wlanapi.dll and bthprops.cpl disabled, as on a Windows Server without the
// Wireless LAN feature or a machine without the Bluetooth stack: the program must still start and
// answer that there is nothing.
int wirelessWithoutLibraries()
{
    if (LoadLibraryW(L"wlanapi.dll") || LoadLibraryW(L"bthprops.cpl")) {
        std::printf("without wireless libraries: they still load, so the check proves nothing\n");
        return 1;
    }
    WindowsSource source;
    const bool empty = source.wlanInterfaces().empty() && !source.bluetooth();
    std::printf("without wireless libraries: %s\n",
                empty ? "nothing, as expected" : "an answer from nowhere");
    return empty ? 0 : 1;
}
