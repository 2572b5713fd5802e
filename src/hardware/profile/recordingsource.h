#pragma once

#include "hardware/profile/profiledata.h"

#include <memory>

// Passes every question to another source and keeps what it answered, to be written as a
// profile. Meant for one recording run on one thread.
class RecordingSource final : public platform::Source {
public:
    explicit RecordingSource(std::shared_ptr<platform::Source> inner);

    const ProfileData &recorded() const { return m_data; }

    platform::ComInit comInitialize() override { return m_inner->comInitialize(); }
    void comUninitialize() override { m_inner->comUninitialize(); }
    std::unique_ptr<platform::WmiService> openWmi(const std::string &nameSpace) override;

    std::optional<platform::PowerStatus> powerStatus() override;
    std::optional<std::uint32_t> firmwareType() override;
    std::optional<std::uint32_t> secureBootEnabled() override;
    std::optional<platform::CpuidRegisters> cpuid(std::uint32_t leaf,
                                                  std::optional<std::uint32_t> subLeaf) override;

    std::vector<platform::GraphicsAdapter> graphicsAdapters() override;
    std::vector<platform::DisplayDevice> displayDevices() override;
    std::vector<platform::NetworkAdapter> networkAdapters() override;
    std::vector<platform::WlanInterface> wlanInterfaces() override;
    std::optional<platform::Bluetooth> bluetooth() override;

    platform::DrivePages readDrive(int index) override;

    std::optional<std::vector<platform::ProcessorTimes>> processorTimes() override;
    std::optional<platform::MemoryStatus> memoryStatus() override;

private:
    std::shared_ptr<platform::Source> m_inner;
    ProfileData m_data;
};
