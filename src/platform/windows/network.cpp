#include "platform/windows/adapter_addresses.h"
#include "platform/windows/wide_text.h"
#include "platform/windows/windows_source.h"

// Winsock before the IP Helper and Windows headers.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <iphlpapi.h>
#include <windows.h>

#include <algorithm>
#include <vector>

namespace platform::windowsbackend {

namespace {

constexpr ULONG adapterFlags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_INCLUDE_GATEWAYS;
constexpr ULONG initialBufferBytes = 16384;
constexpr int maxAttempts = 3;

// Winsock must be started for InetNtopW; undone when the enumeration ends.
class WinsockScope {
public:
    WinsockScope()
    {
        WSADATA data{};
        started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    ~WinsockScope()
    {
        if (started_)
            WSACleanup();
    }
    WinsockScope(const WinsockScope &) = delete;
    WinsockScope &operator=(const WinsockScope &) = delete;

private:
    bool started_ = false;
};

// Empty for families other than IPv4 and IPv6 and for addresses that do not format.
std::string addressText(const SOCKET_ADDRESS &address)
{
    const sockaddr *sa = address.lpSockaddr;
    if (!sa)
        return {};
    wchar_t buffer[65] = {};
    const void *raw = nullptr;
    if (sa->sa_family == AF_INET && address.iSockaddrLength >= static_cast<INT>(sizeof(sockaddr_in)))
        raw = &reinterpret_cast<const sockaddr_in *>(sa)->sin_addr;
    else if (sa->sa_family == AF_INET6 && address.iSockaddrLength >= static_cast<INT>(sizeof(sockaddr_in6)))
        raw = &reinterpret_cast<const sockaddr_in6 *>(sa)->sin6_addr;
    if (!raw || !InetNtopW(sa->sa_family, const_cast<void *>(raw), buffer, 65))
        return {};
    return utf8(buffer);
}

template <typename Entry> std::vector<std::string> addressList(const Entry *first)
{
    std::vector<std::string> list;
    for (const Entry *entry = first; entry; entry = entry->Next) {
        std::string text = addressText(entry->Address);
        if (!text.empty())
            list.push_back(std::move(text));
    }
    return list;
}

NetworkAdapter adapterOf(const IP_ADAPTER_ADDRESSES &a)
{
    NetworkAdapter adapter;
    adapter.ifType = a.IfType;
    adapter.friendlyName = utf8(a.FriendlyName);
    adapter.description = utf8(a.Description);
    adapter.adapterName = a.AdapterName ? a.AdapterName : "";
    const ULONG length = std::min<ULONG>(a.PhysicalAddressLength, MAX_ADAPTER_ADDRESS_LENGTH);
    adapter.physicalAddress.assign(a.PhysicalAddress, a.PhysicalAddress + length);
    adapter.operStatus = static_cast<std::uint32_t>(a.OperStatus);
    adapter.transmitLinkSpeed = a.TransmitLinkSpeed;
    adapter.receiveLinkSpeed = a.ReceiveLinkSpeed;
    adapter.unicast = addressList(a.FirstUnicastAddress);
    adapter.gateways = addressList(a.FirstGatewayAddress);
    adapter.dnsServers = addressList(a.FirstDnsServerAddress);
    return adapter;
}

} // namespace

std::vector<NetworkAdapter> adapterAddresses(unsigned long initialBytes)
{
    WinsockScope winsock;
    ULONG size = initialBytes;
    std::vector<unsigned char> buffer;
    ULONG result = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < maxAttempts && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
        buffer.assign(std::max<ULONG>(size, 1), 0);
        size = static_cast<ULONG>(buffer.size());
        result = GetAdaptersAddresses(AF_UNSPEC, adapterFlags, nullptr,
                                      reinterpret_cast<IP_ADAPTER_ADDRESSES *>(buffer.data()), &size);
    }
    std::vector<NetworkAdapter> adapters;
    if (result != NO_ERROR)
        return adapters;
    for (auto *a = reinterpret_cast<const IP_ADAPTER_ADDRESSES *>(buffer.data()); a; a = a->Next)
        adapters.push_back(adapterOf(*a));
    return adapters;
}

std::vector<NetworkAdapter> WindowsSource::networkAdapters()
{
    return adapterAddresses(initialBufferBytes);
}

} // namespace platform::windowsbackend
