#pragma once

// Every record of a profile as one table of fields: the JSON key, the member and, where the
// member's type alone does not say it, the kind of value (jsonkinds.h, profilekinds.h). Reading and
// writing both walk these tables, so a field added here is read and written. Reading follows the
// listed order: of several faults, the first listed is the one reported.
//
// A member that is missing reads as its default (an empty optional, list or text, zero). Inside a
// record a null plain value (number, text, true/false, list of those) reads as missing; any other
// null is refused. At the top, a section may be null and is left out when empty.

#include "hardware/profile/profiledata.h"
#include "hardware/profile/profilekinds.h"

namespace profilejson {

// One field a line.
// clang-format off

template <> struct Fields<platform::PowerStatus> {
    using R = platform::PowerStatus;
    static constexpr auto all = std::make_tuple(
        field("acLineStatus", &R::acLineStatus),
        field("batteryFlag", &R::batteryFlag),
        field("batteryLifeTime", &R::batteryLifeTime));
};

template <> struct Fields<platform::GraphicsAdapter> {
    using R = platform::GraphicsAdapter;
    static constexpr auto all = std::make_tuple(
        field("description", &R::description),
        field("dedicatedVideoMemory", &R::dedicatedVideoMemory),
        field("flags", &R::flags));
};

template <> struct Fields<platform::DisplayMode> {
    using R = platform::DisplayMode;
    static constexpr auto all = std::make_tuple(
        field("width", &R::width),
        field("height", &R::height),
        field("frequency", &R::frequency),
        field("bitsPerPixel", &R::bitsPerPixel));
};

template <> struct Fields<platform::DisplayDevice> {
    using R = platform::DisplayDevice;
    static constexpr auto all = std::make_tuple(
        field("deviceName", &R::deviceName),
        field("description", &R::description),
        field("stateFlags", &R::stateFlags),
        field("current", &R::current),
        field("modes", &R::modes));
};

template <> struct Fields<platform::NetworkAdapter> {
    using R = platform::NetworkAdapter;
    static constexpr auto all = std::make_tuple(
        field("ifType", &R::ifType),
        field("friendlyName", &R::friendlyName),
        field("description", &R::description),
        field("adapterName", &R::adapterName),
        field("operStatus", &R::operStatus),
        field("transmitLinkSpeed", &R::transmitLinkSpeed),
        field("receiveLinkSpeed", &R::receiveLinkSpeed),
        field("unicast", &R::unicast),
        field("gateways", &R::gateways),
        field("dnsServers", &R::dnsServers),
        fieldAs<HexBytes>("physicalAddress", &R::physicalAddress));
};

template <> struct Fields<platform::WlanConnection> {
    using R = platform::WlanConnection;
    static constexpr auto all = std::make_tuple(
        fieldAs<SsidText>("ssid", &R::ssid),
        field("signalQuality", &R::signalQuality),
        field("phyType", &R::phyType),
        field("rxRate", &R::rxRate),
        field("txRate", &R::txRate),
        field("authAlgorithm", &R::authAlgorithm),
        fieldAs<SsidHex>("ssidHex", &R::ssid));
};

template <> struct Fields<platform::WlanInterface> {
    using R = platform::WlanInterface;
    static constexpr auto all = std::make_tuple(
        field("guid", &R::guid),
        field("phyTypes", &R::phyTypes),
        field("state", &R::state),
        fieldAs<Channel>("channel", &R::channel),
        field("connection", &R::connection));
};

template <> struct Fields<platform::BluetoothRadioInfo> {
    using R = platform::BluetoothRadioInfo;
    static constexpr auto all = std::make_tuple(
        field("name", &R::name),
        fieldAs<BluetoothAddress>("address", &R::address));
};

template <> struct Fields<platform::BluetoothDevice> {
    using R = platform::BluetoothDevice;
    static constexpr auto all = std::make_tuple(
        field("name", &R::name),
        field("connected", &R::connected));
};

template <> struct Fields<platform::Bluetooth> {
    using R = platform::Bluetooth;
    static constexpr auto all = std::make_tuple(
        field("radio", &R::radio),
        field("devices", &R::devices));
};

// `opened` is not written: every listed drive opened (OpenedDrive).
template <> struct Fields<platform::DrivePages> {
    using R = platform::DrivePages;
    using Page = OptionalOf<Base64Page>;
    static constexpr auto all = std::make_tuple(
        fieldAs<Page>("nvmeHealthLog", &R::nvmeHealthLog),
        fieldAs<Page>("identify", &R::identify),
        fieldAs<Page>("smartData", &R::smartData));
};

template <> struct Fields<platform::MemoryStatus> {
    using R = platform::MemoryStatus;
    static constexpr auto all = std::make_tuple(
        field("totalPhys", &R::totalPhys),
        field("availPhys", &R::availPhys));
};

// The whole profile, apart from its version (profilejson.cpp).
template <> struct Fields<ProfileData> {
    using R = ProfileData;
    static constexpr auto all = std::make_tuple(
        sectionAs<WmiNamespaces>("wmi", &R::wmi),
        section("powerStatus", &R::powerStatus),
        field("firmwareType", &R::firmwareType),
        field("secureBoot", &R::secureBoot),
        sectionAs<CpuidLeaves>("cpuid", &R::cpuid),
        section("graphicsAdapters", &R::graphicsAdapters),
        section("displayDevices", &R::displayDevices),
        section("networkAdapters", &R::networkAdapters),
        section("wlanInterfaces", &R::wlanInterfaces),
        section("bluetooth", &R::bluetooth),
        sectionAs<Drives>("drives", &R::drives),
        sectionAs<OptionalOf<ListOf<TimesTriple>>>("processorTimes", &R::processorTimes),
        section("memoryStatus", &R::memoryStatus));
};

// clang-format on

} // namespace profilejson
