#pragma once

#include "platform/source.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// Everything the platform answered during one scan (a machine profile, version 1).
// Absent members are calls that failed or sources that were missing.
struct ProfileData {
    // namespace -> class -> rows; names keep the spelling they were recorded with.
    std::map<std::string, std::map<std::string, platform::Rows>> wmi;
    std::optional<platform::PowerStatus> powerStatus;
    std::optional<std::uint32_t> firmwareType;
    std::optional<std::uint32_t> secureBoot;
    std::map<std::string, platform::CpuidRegisters> cpuid; // "80000000", "7.0"
    std::vector<platform::GraphicsAdapter> graphicsAdapters;
    std::vector<platform::DisplayDevice> displayDevices;
    std::vector<platform::NetworkAdapter> networkAdapters;
    std::vector<platform::WlanInterface> wlanInterfaces;
    std::optional<platform::Bluetooth> bluetooth;
    std::map<int, platform::DrivePages> drives; // by physical drive index; present means opened
    std::optional<std::vector<platform::ProcessorTimes>> processorTimes;
    std::optional<platform::MemoryStatus> memoryStatus;
};

// "1" for leaf 1, "7.0" for leaf 7 sub-leaf 0; hexadecimal leaf, decimal sub-leaf.
std::string cpuidKey(std::uint32_t leaf, std::optional<std::uint32_t> subLeaf);
