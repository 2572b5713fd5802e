#include "check.h"
#include "support.h"

#include <windows.h>

#include <algorithm>
#include <set>
#include <thread>

using namespace platform;
using platform::windowsbackend::WindowsSource;

namespace {

std::set<std::string> keys(const Row &row)
{
    std::set<std::string> names;
    for (const auto &entry : row)
        names.insert(entry.first);
    return names;
}

template <typename T> const T *get(const Row &row, const std::string &name)
{
    const auto found = row.find(name);
    return found == row.end() ? nullptr : std::get_if<T>(&found->second);
}

// Sets (or with null, deletes) a text value under HKEY_LOCAL_MACHINE of the Wine prefix.
void setMachineText(const wchar_t *key, const wchar_t *name, const wchar_t *text)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return;
    if (text)
        RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(text),
                       static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
    else
        RegDeleteValueW(handle, name);
    RegCloseKey(handle);
}

std::string withoutZones(std::string text)
{
    for (std::size_t percent; (percent = text.find('%')) != std::string::npos;)
        text.erase(percent, text.find(',', percent) == std::string::npos ? std::string::npos
                                                                         : text.find(',', percent) - percent);
    return text;
}

} // namespace

TEST_CASE(wmiNamespacesOpenOnlyWhenTheyExist)
{
    WindowsSource source;
    support::ComScope com(source);
    CHECK(source.openWmi("ROOT\\CIMV2") != nullptr);
    CHECK(source.openWmi("ROOT\\NoSuchNamespace") == nullptr);
    CHECK(source.openWmi("") == nullptr);
}

TEST_CASE(wmiRowsHoldTheSelectedPresentValuesConverted)
{
    WindowsSource source;
    support::ComScope com(source);
    const auto wmi = source.openWmi("ROOT\\CIMV2");
    REQUIRE(wmi);

    // Projection, text, I4 and BOOL; no system property (__CLASS, __PATH) slips in.
    const Rows system = wmi->query(
        "SELECT Manufacturer, NumberOfLogicalProcessors, HypervisorPresent FROM Win32_ComputerSystem");
    REQUIRE(system.size() == 1);
    CHECK(keys(system[0]) ==
          (std::set<std::string>{"HypervisorPresent", "Manufacturer", "NumberOfLogicalProcessors"}));
    CHECK(get<std::string>(system[0], "Manufacturer") &&
          !get<std::string>(system[0], "Manufacturer")->empty());
    CHECK(get<bool>(system[0], "HypervisorPresent"));
    const auto *logical = get<std::int32_t>(system[0], "NumberOfLogicalProcessors");
    REQUIRE(logical);
    CHECK_EQ(static_cast<unsigned>(*logical), std::thread::hardware_concurrency());

    // NULL is left out; UI1 arrives as a small int.
    const Rows bios =
        wmi->query("SELECT CurrentLanguage, Manufacturer, EmbeddedControllerMajorVersion FROM Win32_BIOS");
    REQUIRE(bios.size() == 1);
    CHECK(keys(bios[0]) == (std::set<std::string>{"EmbeddedControllerMajorVersion", "Manufacturer"}));
    const auto *controller = get<std::int32_t>(bios[0], "EmbeddedControllerMajorVersion");
    CHECK(controller && *controller >= 0 && *controller <= 255);

    // I2, sign-extended: run.sh sets a time zone four hours west of Greenwich.
    const Rows os = wmi->query("SELECT CurrentTimeZone FROM Win32_OperatingSystem");
    REQUIRE(os.size() == 1);
    TIME_ZONE_INFORMATION zone{};
    const DWORD daylight = GetTimeZoneInformation(&zone);
    const LONG bias = zone.Bias + (daylight == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightBias : 0);
    const auto *offset = get<std::int32_t>(os[0], "CurrentTimeZone");
    REQUIRE(offset);
    CHECK_EQ(*offset, static_cast<std::int32_t>(-bias));

    // An integer array (CIM uint16[] arrives as I4 elements).
    const Rows enclosure = wmi->query("SELECT ChassisTypes FROM Win32_SystemEnclosure");
    REQUIRE(!enclosure.empty());
    const auto *chassis = get<IntList>(enclosure[0], "ChassisTypes");
    CHECK(chassis && !chassis->empty());
}

TEST_CASE(wmiStringArraysJoinAndAgreeWithIpHelper)
{
    WindowsSource source;
    support::ComScope com(source);
    const auto wmi = source.openWmi("ROOT\\CIMV2");
    REQUIRE(wmi);
    const Rows configs = wmi->query("SELECT Description, IPAddress, DNSServerSearchOrder FROM "
                                    "Win32_NetworkAdapterConfiguration WHERE IPEnabled = TRUE");
    const auto adapters = source.networkAdapters();
    int compared = 0;
    for (const Row &config : configs) {
        const auto *description = get<std::string>(config, "Description");
        const auto *addresses = get<std::string>(config, "IPAddress");
        if (!description || !addresses)
            continue;
        for (const NetworkAdapter &adapter : adapters) {
            if (adapter.description != *description)
                continue;
            // The same addresses, joined with ", " (WMI adds the zone to link-local ones).
            std::string joined;
            for (const std::string &address : adapter.unicast)
                joined += (joined.empty() ? "" : ", ") + address;
            CHECK_EQ(withoutZones(*addresses), joined);
            ++compared;
        }
    }
    CHECK(compared > 0);

    // Enumeration runs to the end: one row per adapter but the loopback.
    const auto loopbacks = std::count_if(adapters.begin(), adapters.end(),
                                         [](const NetworkAdapter &adapter) { return adapter.ifType == 24; });
    CHECK_EQ(wmi->query("SELECT DeviceId FROM Win32_NetworkAdapter").size(), adapters.size() - loopbacks);
}

TEST_CASE(wmiTextArrivesAsUtf8)
{
    const wchar_t *key = L"Software\\Microsoft\\Windows NT\\CurrentVersion";
    // Vietnamese letters and a character outside the basic plane (a surrogate pair).
    setMachineText(key, L"RegisteredOwner", L"Nguy\x1EC5n V\x0103n \xD834\xDD1E");
    WindowsSource source;
    {
        support::ComScope com(source);
        const auto wmi = source.openWmi("ROOT\\CIMV2");
        REQUIRE(wmi);
        const Rows os = wmi->query("SELECT RegisteredUser FROM Win32_OperatingSystem");
        REQUIRE(os.size() == 1);
        const auto *owner = get<std::string>(os[0], "RegisteredUser");
        REQUIRE(owner);
        CHECK_EQ(*owner, std::string("Nguy\xE1\xBB\x85n V\xC4\x83n \xF0\x9D\x84\x9E"));
    }
    setMachineText(key, L"RegisteredOwner", nullptr);
}

TEST_CASE(wmiBadClassOrQueryGivesNoRows)
{
    WindowsSource source;
    support::ComScope com(source);
    const auto wmi = source.openWmi("ROOT\\CIMV2");
    REQUIRE(wmi);
    CHECK(wmi->query("SELECT Name FROM Win32_NoSuchClass").empty());
    CHECK(wmi->query("SELEKT Name FROM Win32_BIOS").empty());
    CHECK(wmi->query("SELECT Name FROM Win32_Battery WHERE Name = 'none'").empty());
    // The connection still answers after the failures.
    CHECK_EQ(wmi->query("SELECT Name FROM Win32_BIOS").size(), std::size_t(1));
}
