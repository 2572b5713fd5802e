#pragma once

#include "hardware/profile/profiledata.h"

#include <memory>

// Answers every platform question from a recorded profile. Read-only, so any thread may ask.
class ReplaySource final : public platform::Source {
public:
    explicit ReplaySource(std::shared_ptr<const ProfileData> data);

    platform::ComInit comInitialize() override { return platform::ComInit::Owned; }
    void comUninitialize() override {}
    std::unique_ptr<platform::WmiService> openWmi(const std::string &nameSpace) override;

    std::optional<platform::PowerStatus> powerStatus() override { return m_data->powerStatus; }
    std::optional<std::uint32_t> firmwareType() override { return m_data->firmwareType; }
    std::optional<std::uint32_t> secureBootEnabled() override { return m_data->secureBoot; }
    std::optional<platform::CpuidRegisters> cpuid(std::uint32_t leaf,
                                                  std::optional<std::uint32_t> subLeaf) override;

    std::vector<platform::GraphicsAdapter> graphicsAdapters() override { return m_data->graphicsAdapters; }
    std::vector<platform::DisplayDevice> displayDevices() override { return m_data->displayDevices; }
    std::vector<platform::NetworkAdapter> networkAdapters() override { return m_data->networkAdapters; }
    std::vector<platform::WlanInterface> wlanInterfaces() override { return m_data->wlanInterfaces; }
    std::optional<platform::Bluetooth> bluetooth() override { return m_data->bluetooth; }

    platform::DrivePages readDrive(int index) override;

    std::optional<std::vector<platform::ProcessorTimes>> processorTimes() override
    {
        return m_data->processorTimes;
    }
    std::optional<platform::MemoryStatus> memoryStatus() override { return m_data->memoryStatus; }

private:
    std::shared_ptr<const ProfileData> m_data;
};
