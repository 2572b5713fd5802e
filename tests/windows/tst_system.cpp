#include "check.h"
#include "support.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

using namespace platform;
using platform::windowsbackend::WindowsSource;

namespace {

// "key : value" of the first processor in the host's /proc/cpuinfo.
std::string cpuinfo(const std::string &key)
{
    const std::string text = support::hostFile("/proc/cpuinfo");
    const std::size_t at = text.find("\n" + key);
    if (at == std::string::npos)
        return {};
    const std::size_t colon = text.find(": ", at);
    const std::size_t end = text.find('\n', colon);
    return colon == std::string::npos ? std::string() : text.substr(colon + 2, end - colon - 2);
}

std::uint64_t busyTime(const std::vector<ProcessorTimes> &times)
{
    std::uint64_t sum = 0;
    for (const ProcessorTimes &t : times)
        sum += t.kernel - t.idle + t.user;
    return sum;
}

bool hostHasBattery()
{
    WIN32_FIND_DATAW entry{};
    const HANDLE find = FindFirstFileW(L"Z:\\sys\\class\\power_supply\\*", &entry);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    bool battery = false;
    do {
        std::string name;
        for (const wchar_t *c = entry.cFileName; *c; ++c)
            name += static_cast<char>(*c);
        battery = battery || support::hostFile("/sys/class/power_supply/" + name + "/type") == "Battery\n";
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return battery;
}

} // namespace

// run.sh writes one registry fixture, then runs this with the value it expects ("absent" or a number).
int secureBootFixture(const char *expected)
{
    WindowsSource source;
    const auto value = source.secureBootEnabled();
    const std::string got = value ? std::to_string(*value) : "absent";
    std::printf("secure boot fixture: expected %s, got %s\n", expected, got.c_str());
    return got == expected ? 0 : 1;
}

TEST_CASE(powerStatusAgreesWithTheHost)
{
    WindowsSource source;
    const auto status = source.powerStatus();
    REQUIRE(status);
    CHECK(status->acLineStatus <= 1 || status->acLineStatus == 255);
    // A host without a battery must not be reported as having one.
    if (!hostHasBattery()) {
        CHECK(status->batteryFlag & 128);
        CHECK_EQ(status->batteryLifeTime, 0xFFFFFFFFu);
    }
}

// Wine 8 has no GetFirmwareType: a static import would abort the process at the call.
TEST_CASE(firmwareTypeIsLookedUpWhenCalled)
{
    WindowsSource source;
    const auto type = source.firmwareType();
    CHECK(!type || *type <= 3);
}

TEST_CASE(cpuidAgreesWithTheHost)
{
    WindowsSource source;
    const auto leaf0 = source.cpuid(0, std::nullopt);
    REQUIRE(leaf0);
    char vendor[13] = {};
    std::memcpy(vendor, &leaf0->ebx, 4);
    std::memcpy(vendor + 4, &leaf0->edx, 4);
    std::memcpy(vendor + 8, &leaf0->ecx, 4);
    CHECK_EQ(std::string(vendor), cpuinfo("vendor_id"));

    const auto leaf1 = source.cpuid(1, std::nullopt);
    REQUIRE(leaf1);
    const std::uint32_t baseFamily = (leaf1->eax >> 8) & 0xF;
    const std::uint32_t family = baseFamily == 0xF ? baseFamily + ((leaf1->eax >> 20) & 0xFF) : baseFamily;
    CHECK_EQ(std::to_string(family), cpuinfo("cpu family"));

    // Leaves past the highest would echo another leaf's data, so they are absent.
    CHECK(!source.cpuid(leaf0->eax + 1, std::nullopt));
    const auto extended = source.cpuid(0x80000000u, std::nullopt);
    REQUIRE(extended);
    CHECK(!source.cpuid(extended->eax + 1, 0));
}

TEST_CASE(memoryStatusAgreesWithTheHost)
{
    WindowsSource source;
    const auto memory = source.memoryStatus();
    REQUIRE(memory);
    CHECK(memory->availPhys > 0 && memory->availPhys <= memory->totalPhys);
    unsigned long long kib = 0;
    const std::string meminfo = support::hostFile("/proc/meminfo");
    REQUIRE(std::sscanf(meminfo.c_str(), "MemTotal: %llu kB", &kib) == 1);
    const double ratio = static_cast<double>(memory->totalPhys) / (kib * 1024.0);
    CHECK(ratio > 0.99 && ratio < 1.01);
}

TEST_CASE(processorTimesOnePerProcessorAndAdvancing)
{
    WindowsSource source;
    const auto before = source.processorTimes();
    REQUIRE(before);
    CHECK_EQ(before->size(), static_cast<std::size_t>(std::thread::hardware_concurrency()));
    for (const ProcessorTimes &t : *before)
        CHECK(t.kernel >= t.idle);

    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    volatile std::uint64_t spin = 0;
    while (std::chrono::steady_clock::now() < until)
        spin = spin + 1;
    Sleep(50); // the host's counters advance on its clock tick

    const auto after = source.processorTimes();
    REQUIRE(after && after->size() == before->size());
    CHECK(busyTime(*after) > busyTime(*before));
}
