#pragma once

// The platform seam: every question the program asks the operating system, in the
// vocabulary of Windows (WMI namespaces, WQL, Win32 structures) because the collector is
// written against it. Backends answer from Windows, from Linux, or from a recorded profile.
//
// Rules: no Qt here; a failure is an absent value, never an exception; every method may be
// called from any thread (the scan and the sampler run on their own threads), so
// implementations keep no mutable shared state.

#include "platform/value.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Outcome of initialising COM on the calling thread.
enum class ComInit {
    Owned,       // initialised here: uninitialise at the end
    NotOwned,    // failed: nothing to undo
    ChangedMode, // the thread already lives in another apartment: no security call, nothing to undo
};

// One connected WMI namespace; used on the thread that opened it.
class WmiService {
public:
    virtual ~WmiService() = default;
    // Rows in the order the platform returned them, each holding only present values.
    // A failed query and a query that matched nothing both give no rows.
    virtual Rows query(const std::string &wql) = 0;
};

// GetSystemPowerStatus.
struct PowerStatus {
    static constexpr std::uint8_t kUnknown = 255; // either byte
    static constexpr std::uint8_t kAcOffline = 0, kAcOnline = 1;
    // batteryFlag bits; 0 means a battery between the low and high marks, not charging
    static constexpr std::uint8_t kHigh = 1, kLow = 2, kCritical = 4, kCharging = 8, kNoSystemBattery = 128;
    static constexpr std::uint32_t kUnknownLifeTime = 0xFFFFFFFFu;

    std::uint8_t acLineStatus = kUnknown;
    std::uint8_t batteryFlag = kUnknown;
    std::uint32_t batteryLifeTime = kUnknownLifeTime; // seconds
};

struct CpuidRegisters {
    std::uint32_t eax = 0, ebx = 0, ecx = 0, edx = 0;
};

// One DXGI adapter.
struct GraphicsAdapter {
    static constexpr std::uint32_t kSoftware = 2; // flags bit

    std::string description;
    std::uint64_t dedicatedVideoMemory = 0; // bytes
    std::uint32_t flags = 0;
};

struct DisplayMode {
    std::uint32_t width = 0, height = 0, frequency = 0, bitsPerPixel = 0;
};

// One display device as EnumDisplayDevicesW lists it, with its modes.
struct DisplayDevice {
    static constexpr std::uint32_t kAttachedToDesktop = 1, kPrimary = 4; // stateFlags bits

    std::string deviceName;
    std::string description;
    std::uint32_t stateFlags = 0;
    std::optional<DisplayMode> current;
    std::vector<DisplayMode> modes; // in enumeration order
};

// One adapter as GetAdaptersAddresses lists it.
struct NetworkAdapter {
    // IANA interface types (the ones the program tells apart)
    static constexpr std::uint32_t kEthernet = 6, kWireless80211 = 71, kLoopback = 24;
    static constexpr std::uint32_t kOperUp = 1;

    std::uint32_t ifType = 0;
    std::string friendlyName;
    std::string description;
    std::string adapterName; // Windows: the GUID in braces; matched against WlanInterface::guid
    std::vector<std::uint8_t> physicalAddress;
    std::uint32_t operStatus = 0;        // kOperUp, or another IF_OPER_STATUS
    std::uint64_t transmitLinkSpeed = 0; // bits per second
    std::uint64_t receiveLinkSpeed = 0;
    std::vector<std::string> unicast; // formatted addresses in platform order, IPv4 and IPv6 mixed
    std::vector<std::string> gateways;
    std::vector<std::string> dnsServers;
};

struct WlanConnection {
    std::string ssid;                // the raw SSID bytes, not necessarily UTF-8
    std::uint32_t signalQuality = 0; // 0..100
    std::uint32_t phyType = 0;       // DOT11_PHY_TYPE
    std::uint32_t rxRate = 0;        // kbit/s
    std::uint32_t txRate = 0;        // kbit/s
    std::uint32_t authAlgorithm = 0; // DOT11_AUTH_ALGORITHM
};

// One WLAN interface.
struct WlanInterface {
    static constexpr std::uint32_t kConnected = 1; // a WLAN_INTERFACE_STATE

    std::string guid; // "{...}" on Windows; compared upper-cased with NetworkAdapter::adapterName
    std::vector<std::uint32_t> phyTypes; // supported DOT11_PHY_TYPE values
    std::uint32_t state = 0;
    std::optional<WlanConnection> connection;
    std::optional<std::uint32_t> channel;
};

struct BluetoothRadioInfo {
    std::string name;
    std::array<std::uint8_t, 6> address{}; // most significant byte first
};

struct BluetoothDevice {
    std::string name;
    bool connected = false;
};

struct Bluetooth {
    std::optional<BluetoothRadioInfo> radio; // absent when the radio's information could not be read
    std::vector<BluetoothDevice> devices;    // every device the search returned
};

using Page = std::vector<std::uint8_t>;

// Raw pages a drive returned. The transport tries the NVMe health log first; when it answers,
// IDENTIFY and SMART are not asked. Absent pages did not arrive on any transport.
struct DrivePages {
    bool opened = false;
    std::optional<Page> nvmeHealthLog; // NVMe log page 2
    std::optional<Page> identify;      // ATA IDENTIFY DEVICE
    std::optional<Page> smartData;     // ATA SMART READ DATA
};

// Per-processor times in 100 ns units; kernel includes idle.
struct ProcessorTimes {
    std::uint64_t idle = 0, kernel = 0, user = 0;
};

struct MemoryStatus {
    std::uint64_t totalPhys = 0, availPhys = 0; // bytes
};

class Source {
public:
    virtual ~Source() = default;

    virtual ComInit comInitialize() = 0;
    virtual void comUninitialize() = 0;

    // Null when the namespace cannot be opened.
    virtual std::unique_ptr<WmiService> openWmi(const std::string &nameSpace) = 0;

    virtual std::optional<PowerStatus> powerStatus() = 0;
    virtual std::optional<std::uint32_t> firmwareType() = 0;      // 1 BIOS, 2 UEFI
    virtual std::optional<std::uint32_t> secureBootEnabled() = 0; // UEFISecureBootEnabled
    virtual std::optional<CpuidRegisters> cpuid(std::uint32_t leaf, std::optional<std::uint32_t> subLeaf) = 0;

    virtual std::vector<GraphicsAdapter> graphicsAdapters() = 0;
    virtual std::vector<DisplayDevice> displayDevices() = 0;

    virtual std::vector<NetworkAdapter> networkAdapters() = 0;
    virtual std::vector<WlanInterface> wlanInterfaces() = 0;
    virtual std::optional<Bluetooth> bluetooth() = 0; // absent: no radio

    virtual DrivePages readDrive(int index) = 0;

    virtual std::optional<std::vector<ProcessorTimes>> processorTimes() = 0;
    virtual std::optional<MemoryStatus> memoryStatus() = 0;
};

// The running system's backend (Windows or Linux, by build).
std::unique_ptr<Source> makeLiveSource();

} // namespace platform
