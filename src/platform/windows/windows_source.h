#pragma once

#include "platform/source.h"

namespace platform::windowsbackend {

// Answers the seam from Windows: COM/WMI, Win32, DXGI, IP Helper, WLAN, Bluetooth and
// DeviceIoControl. Each group of questions is answered in a file of its own.
class WindowsSource final : public Source {
public:
    ComInit comInitialize() override;                                           // windows_source.cpp
    void comUninitialize() override;                                            // windows_source.cpp
    std::unique_ptr<WmiService> openWmi(const std::string &nameSpace) override; // wmi.cpp

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
};

} // namespace platform::windowsbackend
