#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::smbios {

// One structure of an SMBIOS table: its formatted area and its string set.
struct Structure {
    std::uint8_t type = 0;
    std::uint16_t handle = 0;
    std::vector<std::uint8_t> formatted; // the whole formatted area, header included
    std::vector<std::string> strings;    // raw bytes of each string, in order

    // Fields past the formatted area's end are absent (older firmware writes shorter structures).
    std::optional<std::uint8_t> byte(std::size_t offset) const;
    std::optional<std::uint16_t> word(std::size_t offset) const;
    std::optional<std::uint32_t> dword(std::size_t offset) const;
    std::optional<std::uint64_t> qword(std::size_t offset) const;
    // The string a field at offset refers to; empty for index 0, a bad index or a missing field.
    std::string text(std::size_t offset) const;
};

// Walks a structure table (the bytes of /sys/firmware/dmi/tables/DMI) up to the end-of-table
// structure or the first structure that is cut short or malformed; never reads out of bounds.
std::vector<Structure> parseTable(const std::vector<std::uint8_t> &table);

// Type 16.
struct MemoryArray {
    std::uint16_t handle = 0;
    std::optional<std::uint8_t> use;            // 3: system memory
    std::optional<std::uint64_t> maxCapacityKb; // the extended field when the short one says so
    std::optional<std::uint16_t> memoryDevices; // slots, populated or not
};

// Type 17.
struct MemoryDevice {
    std::uint16_t handle = 0;
    std::optional<std::uint16_t> arrayHandle;
    std::optional<std::uint16_t> totalWidth; // bits; absent when unknown
    std::optional<std::uint16_t> dataWidth;
    bool installed = false;                 // size field not 0
    std::optional<std::uint64_t> sizeBytes; // absent when unknown
    std::optional<std::uint8_t> formFactor; // SMBIOS code: 9 DIMM, 13 SODIMM, ...
    std::string deviceLocator;
    std::string bankLocator;
    std::optional<std::uint8_t> memoryType; // SMBIOS code: 26 DDR4, ...
    std::optional<std::uint32_t> speed;     // MT/s; absent when unknown
    std::optional<std::uint32_t> configuredSpeed;
    std::string manufacturer;
    std::string serialNumber;
    std::string assetTag;
    std::string partNumber;
    std::optional<std::uint16_t> configuredVoltage; // mV; absent when unknown
};

// Type 4.
struct Processor {
    std::string socketDesignation;
    std::optional<std::uint8_t> processorType; // 3: central processor
    std::optional<std::uint8_t> upgrade;       // 6: none
    bool populated = false;
};

std::vector<MemoryArray> memoryArrays(const std::vector<Structure> &table);
std::vector<MemoryDevice> memoryDevices(const std::vector<Structure> &table);
std::vector<Processor> processors(const std::vector<Structure> &table);

} // namespace platform::smbios
