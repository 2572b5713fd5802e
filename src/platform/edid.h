#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// A detailed timing of the base block.
struct EdidTiming {
    std::uint32_t width = 0, height = 0; // pixels; an interlaced timing gives the frame height
    std::uint32_t refresh = 0;           // Hz, rounded; the field rate when interlaced
    bool interlaced = false;
};

// What the base block of an EDID says about its monitor.
struct Edid {
    std::string manufacturer; // three-letter PNP code; empty when the letters are invalid
    std::uint16_t productCode = 0;
    std::uint32_t serialNumber = 0; // the numeric field; 0 when not given
    std::string name;               // monitor-name descriptor
    std::string serial;             // serial-number descriptor
    std::uint32_t week = 0;         // 1..54; 0 when not given or when the year is a model year
    std::uint32_t year = 0;         // 1990 + the year byte, as the block states it
    bool modelYear = false;
    std::uint32_t widthCm = 0, heightCm = 0; // both 0 when the size is unknown or only an aspect ratio
    std::vector<EdidTiming> timings;         // detailed timings in block order; the first is preferred
};

// Decodes the base block. Nullopt when fewer than 128 bytes arrived, the fixed header is wrong or the
// block's checksum fails: such a block may be a partial read, and nothing in it can be trusted.
// Extension blocks are not read.
std::optional<Edid> parseEdid(const std::uint8_t *data, std::size_t size);

} // namespace platform
