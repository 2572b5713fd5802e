#pragma once

#include "platform/linux/sysroot.h"
#include "platform/source.h"

namespace platform::linuxbackend {

// Answers the seam from the running Linux system (or a recorded tree under KELVARO_SYSROOT).
// Each group of questions is answered in a file of its own.
class LinuxSource final : public Source {
public:
    explicit LinuxSource(SysRoot root);

    ComInit comInitialize() override { return ComInit::Owned; }
    void comUninitialize() override {}
    std::unique_ptr<WmiService> openWmi(const std::string &nameSpace) override;

    std::optional<PowerStatus> powerStatus() override;         // power_status.cpp
    std::optional<std::uint32_t> firmwareType() override;      // firmware.cpp
    std::optional<std::uint32_t> secureBootEnabled() override; // firmware.cpp
    std::optional<CpuidRegisters> cpuid(std::uint32_t leaf,
                                        std::optional<std::uint32_t> subLeaf) override; // cpuid.cpp

    std::vector<GraphicsAdapter> graphicsAdapters() override; // graphics.cpp
    std::vector<DisplayDevice> displayDevices() override;     // displays.cpp

    std::vector<NetworkAdapter> networkAdapters() override; // network.cpp
    std::vector<WlanInterface> wlanInterfaces() override;   // wlan.cpp
    std::optional<Bluetooth> bluetooth() override;          // bluetooth.cpp

    DrivePages readDrive(int index) override; // drives.cpp

    std::optional<std::vector<ProcessorTimes>> processorTimes() override; // sampling.cpp
    std::optional<MemoryStatus> memoryStatus() override;                  // sampling.cpp

    const SysRoot &root() const { return root_; }

private:
    SysRoot root_;
};

} // namespace platform::linuxbackend
