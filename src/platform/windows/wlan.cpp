#include "platform/windows/system_library.h"
#include "platform/windows/windows_source.h"

#include <windows.h>

#include <wlanapi.h>

#include <algorithm>
#include <cstdio>

namespace platform::windowsbackend {

namespace {

constexpr DWORD clientVersion = 2;
constexpr std::size_t ssidMaxBytes = 32;

// wlanapi.dll is missing on Windows Server without the Wireless LAN feature: looked up at run time,
// its absence means no interfaces instead of a program that cannot start.
struct WlanApi {
    decltype(&WlanOpenHandle) openHandle = nullptr;
    decltype(&WlanCloseHandle) closeHandle = nullptr;
    decltype(&WlanEnumInterfaces) enumInterfaces = nullptr;
    decltype(&WlanGetInterfaceCapability) getInterfaceCapability = nullptr;
    decltype(&WlanQueryInterface) queryInterface = nullptr;
    decltype(&WlanFreeMemory) freeMemory = nullptr;

    bool complete() const
    {
        return openHandle && closeHandle && enumInterfaces && getInterfaceCapability && queryInterface &&
               freeMemory;
    }
};

const WlanApi &wlan()
{
    static const WlanApi api = [] {
        WlanApi found;
        const HMODULE library = systemLibrary(L"wlanapi.dll");
        found.openHandle = KELVARO_SYSTEM_CALL(library, WlanOpenHandle);
        found.closeHandle = KELVARO_SYSTEM_CALL(library, WlanCloseHandle);
        found.enumInterfaces = KELVARO_SYSTEM_CALL(library, WlanEnumInterfaces);
        found.getInterfaceCapability = KELVARO_SYSTEM_CALL(library, WlanGetInterfaceCapability);
        found.queryInterface = KELVARO_SYSTEM_CALL(library, WlanQueryInterface);
        found.freeMemory = KELVARO_SYSTEM_CALL(library, WlanFreeMemory);
        return found;
    }();
    return api;
}

// Every buffer the WLAN service hands out is returned to it with WlanFreeMemory.
template <typename T> struct WlanBuffer {
    T *data = nullptr;
    ~WlanBuffer()
    {
        if (data)
            wlan().freeMemory(data);
    }
};

class WlanHandle {
public:
    WlanHandle()
    {
        DWORD negotiated = 0;
        if (wlan().openHandle(clientVersion, nullptr, &negotiated, &handle_) != ERROR_SUCCESS)
            handle_ = nullptr;
    }
    ~WlanHandle()
    {
        if (handle_)
            wlan().closeHandle(handle_, nullptr);
    }
    WlanHandle(const WlanHandle &) = delete;
    WlanHandle &operator=(const WlanHandle &) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_ = nullptr;
};

std::string guidText(const GUID &g)
{
    char text[40];
    std::snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned long>(g.Data1), unsigned(g.Data2), unsigned(g.Data3),
                  unsigned(g.Data4[0]), unsigned(g.Data4[1]), unsigned(g.Data4[2]), unsigned(g.Data4[3]),
                  unsigned(g.Data4[4]), unsigned(g.Data4[5]), unsigned(g.Data4[6]), unsigned(g.Data4[7]));
    return text;
}

std::vector<std::uint32_t> supportedPhyTypes(HANDLE handle, const GUID &guid)
{
    std::vector<std::uint32_t> types;
    WlanBuffer<WLAN_INTERFACE_CAPABILITY> capability;
    if (wlan().getInterfaceCapability(handle, &guid, nullptr, &capability.data) != ERROR_SUCCESS ||
        !capability.data)
        return types;
    const DWORD count = std::min<DWORD>(capability.data->dwNumberOfSupportedPhys, WLAN_MAX_PHY_INDEX);
    for (DWORD i = 0; i < count; ++i)
        types.push_back(static_cast<std::uint32_t>(capability.data->dot11PhyTypes[i]));
    return types;
}

std::optional<WlanConnection> currentConnection(HANDLE handle, const GUID &guid)
{
    DWORD size = 0;
    WlanBuffer<WLAN_CONNECTION_ATTRIBUTES> attributes;
    if (wlan().queryInterface(handle, &guid, wlan_intf_opcode_current_connection, nullptr, &size,
                              reinterpret_cast<PVOID *>(&attributes.data), nullptr) != ERROR_SUCCESS ||
        !attributes.data || size < sizeof(WLAN_CONNECTION_ATTRIBUTES))
        return std::nullopt;
    const auto &association = attributes.data->wlanAssociationAttributes;
    WlanConnection connection;
    const std::size_t ssidBytes = std::min<std::size_t>(association.dot11Ssid.uSSIDLength, ssidMaxBytes);
    connection.ssid.assign(reinterpret_cast<const char *>(association.dot11Ssid.ucSSID), ssidBytes);
    connection.signalQuality = association.wlanSignalQuality;
    connection.phyType = static_cast<std::uint32_t>(association.dot11PhyType);
    connection.rxRate = association.ulRxRate;
    connection.txRate = association.ulTxRate;
    connection.authAlgorithm =
        static_cast<std::uint32_t>(attributes.data->wlanSecurityAttributes.dot11AuthAlgorithm);
    return connection;
}

std::optional<std::uint32_t> channelNumber(HANDLE handle, const GUID &guid)
{
    DWORD size = 0;
    WlanBuffer<ULONG> channel;
    if (wlan().queryInterface(handle, &guid, wlan_intf_opcode_channel_number, nullptr, &size,
                              reinterpret_cast<PVOID *>(&channel.data), nullptr) != ERROR_SUCCESS ||
        !channel.data || size < sizeof(ULONG))
        return std::nullopt;
    return static_cast<std::uint32_t>(*channel.data);
}

} // namespace

std::vector<WlanInterface> WindowsSource::wlanInterfaces()
{
    std::vector<WlanInterface> interfaces;
    if (!wlan().complete())
        return interfaces;
    WlanHandle handle;
    if (!handle.get())
        return interfaces;
    WlanBuffer<WLAN_INTERFACE_INFO_LIST> list;
    if (wlan().enumInterfaces(handle.get(), nullptr, &list.data) != ERROR_SUCCESS || !list.data)
        return interfaces;
    for (DWORD i = 0; i < list.data->dwNumberOfItems; ++i) {
        const WLAN_INTERFACE_INFO &info = list.data->InterfaceInfo[i];
        WlanInterface wlan;
        wlan.guid = guidText(info.InterfaceGuid);
        wlan.phyTypes = supportedPhyTypes(handle.get(), info.InterfaceGuid);
        wlan.state = static_cast<std::uint32_t>(info.isState);
        if (info.isState == wlan_interface_state_connected) {
            wlan.connection = currentConnection(handle.get(), info.InterfaceGuid);
            wlan.channel = channelNumber(handle.get(), info.InterfaceGuid);
        }
        interfaces.push_back(std::move(wlan));
    }
    return interfaces;
}

} // namespace platform::windowsbackend
