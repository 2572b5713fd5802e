#pragma once

#include "platform/source.h"

#include <memory>

// A backend whose power status is fixed by the test; every other question goes to the backend under it.
class FixedPowerSource final : public platform::Source {
public:
    FixedPowerSource(std::unique_ptr<platform::Source> inner, std::optional<platform::PowerStatus> power)
        : m_inner(std::move(inner)), m_power(power)
    {
    }

    platform::ComInit comInitialize() override { return m_inner->comInitialize(); }
    void comUninitialize() override { m_inner->comUninitialize(); }
    std::unique_ptr<platform::WmiService> openWmi(const std::string &nameSpace) override
    {
        return m_inner->openWmi(nameSpace);
    }
    std::optional<platform::PowerStatus> powerStatus() override { return m_power; }
    std::optional<std::uint32_t> firmwareType() override { return m_inner->firmwareType(); }
    std::optional<std::uint32_t> secureBootEnabled() override { return m_inner->secureBootEnabled(); }
    std::optional<platform::CpuidRegisters> cpuid(std::uint32_t leaf,
                                                  std::optional<std::uint32_t> subLeaf) override
    {
        return m_inner->cpuid(leaf, subLeaf);
    }
    std::vector<platform::GraphicsAdapter> graphicsAdapters() override { return m_inner->graphicsAdapters(); }
    std::vector<platform::DisplayDevice> displayDevices() override { return m_inner->displayDevices(); }
    std::vector<platform::NetworkAdapter> networkAdapters() override { return m_inner->networkAdapters(); }
    std::vector<platform::WlanInterface> wlanInterfaces() override { return m_inner->wlanInterfaces(); }
    std::optional<platform::Bluetooth> bluetooth() override { return m_inner->bluetooth(); }
    platform::DrivePages readDrive(int index) override { return m_inner->readDrive(index); }
    std::optional<std::vector<platform::ProcessorTimes>> processorTimes() override
    {
        return m_inner->processorTimes();
    }
    std::optional<platform::MemoryStatus> memoryStatus() override { return m_inner->memoryStatus(); }

private:
    std::unique_ptr<platform::Source> m_inner;
    std::optional<platform::PowerStatus> m_power;
};
