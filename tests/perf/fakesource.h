#pragma once

#include "platform/source.h"

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

// A platform with scripted sampler answers. Set everything up before the sampler runs; the
// counters may be read from the test thread while it does.
class FakeSource : public platform::Source {
public:
    // Each processorTimes() call answers the next reading; the last one repeats.
    std::vector<std::optional<std::vector<platform::ProcessorTimes>>> readings;
    std::optional<platform::MemoryStatus> memory;
    bool wmiAvailable = true;
    platform::Rows thermalRows;
    std::function<void()> onComUninitialize;

    std::atomic<int> comInits{0};
    std::atomic<int> comUninits{0};
    std::atomic<int> wmiOpens{0};
    std::atomic<int> timesAsked{0};

    platform::ComInit comInitialize() override
    {
        ++comInits;
        return platform::ComInit::Owned;
    }
    void comUninitialize() override
    {
        ++comUninits;
        if (onComUninitialize)
            onComUninitialize();
    }
    std::unique_ptr<platform::WmiService> openWmi(const std::string &nameSpace) override
    {
        ++wmiOpens;
        if (!wmiAvailable || nameSpace != "ROOT\\WMI")
            return nullptr;
        return std::make_unique<Thermal>(thermalRows);
    }

    std::optional<std::vector<platform::ProcessorTimes>> processorTimes() override
    {
        const int i = timesAsked++;
        if (readings.empty())
            return std::nullopt;
        return readings[std::min<std::size_t>(static_cast<std::size_t>(i), readings.size() - 1)];
    }
    std::optional<platform::MemoryStatus> memoryStatus() override { return memory; }

    std::optional<platform::PowerStatus> powerStatus() override { return std::nullopt; }
    std::optional<std::uint32_t> firmwareType() override { return std::nullopt; }
    std::optional<std::uint32_t> secureBootEnabled() override { return std::nullopt; }
    std::optional<platform::CpuidRegisters> cpuid(std::uint32_t, std::optional<std::uint32_t>) override
    {
        return std::nullopt;
    }
    std::vector<platform::GraphicsAdapter> graphicsAdapters() override { return {}; }
    std::vector<platform::DisplayDevice> displayDevices() override { return {}; }
    std::vector<platform::NetworkAdapter> networkAdapters() override { return {}; }
    std::vector<platform::WlanInterface> wlanInterfaces() override { return {}; }
    std::optional<platform::Bluetooth> bluetooth() override { return std::nullopt; }
    platform::DrivePages readDrive(int) override { return {}; }

private:
    class Thermal : public platform::WmiService {
    public:
        explicit Thermal(platform::Rows rows) : m_rows(std::move(rows)) {}
        platform::Rows query(const std::string &wql) override
        {
            return wql.find("MSAcpi_ThermalZoneTemperature") != std::string::npos ? m_rows : platform::Rows{};
        }

    private:
        platform::Rows m_rows;
    };
};

// One processor's counters: idle, kernel (idle included) and user time in 100 ns units.
inline platform::ProcessorTimes times(std::uint64_t idle, std::uint64_t kernel, std::uint64_t user)
{
    platform::ProcessorTimes t;
    t.idle = idle;
    t.kernel = kernel;
    t.user = user;
    return t;
}
