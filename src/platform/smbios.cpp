#include "platform/smbios.h"

namespace platform::smbios {

namespace {

constexpr std::uint8_t kEndOfTable = 127;

template <typename T> std::optional<T> little(const std::vector<std::uint8_t> &bytes, std::size_t offset)
{
    if (offset > bytes.size() || bytes.size() - offset < sizeof(T))
        return std::nullopt;
    T value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        value = static_cast<T>(value | static_cast<T>(static_cast<T>(bytes[offset + i]) << (8 * i)));
    return value;
}

std::optional<std::uint16_t> unlessUnknown(std::optional<std::uint16_t> value, std::uint16_t unknown)
{
    if (value == unknown)
        return std::nullopt;
    return value;
}

std::optional<std::uint32_t> speedField(const Structure &s, std::size_t offset, std::size_t extendedOffset)
{
    const auto speed = s.word(offset);
    if (!speed || *speed == 0)
        return std::nullopt;
    if (*speed != 0xFFFF)
        return *speed;
    const auto extended = s.dword(extendedOffset);
    if (!extended || (*extended & 0x7FFFFFFFu) == 0)
        return std::nullopt;
    return *extended & 0x7FFFFFFFu;
}

void decodeSize(const Structure &s, MemoryDevice &device)
{
    const auto size = s.word(0x0C);
    if (!size || *size == 0)
        return;
    device.installed = true;
    if (*size == 0xFFFF)
        return;
    if (*size == 0x7FFF) {
        if (const auto extended = s.dword(0x1C))
            device.sizeBytes = static_cast<std::uint64_t>(*extended & 0x7FFFFFFFu) << 20;
        return;
    }
    if (*size & 0x8000)
        device.sizeBytes = static_cast<std::uint64_t>(*size & 0x7FFF) << 10;
    else
        device.sizeBytes = static_cast<std::uint64_t>(*size) << 20;
}

} // namespace

std::optional<std::uint8_t> Structure::byte(std::size_t offset) const
{
    return little<std::uint8_t>(formatted, offset);
}

std::optional<std::uint16_t> Structure::word(std::size_t offset) const
{
    return little<std::uint16_t>(formatted, offset);
}

std::optional<std::uint32_t> Structure::dword(std::size_t offset) const
{
    return little<std::uint32_t>(formatted, offset);
}

std::optional<std::uint64_t> Structure::qword(std::size_t offset) const
{
    return little<std::uint64_t>(formatted, offset);
}

std::string Structure::text(std::size_t offset) const
{
    const auto index = byte(offset);
    if (!index || *index == 0 || *index > strings.size())
        return {};
    return strings[*index - 1];
}

std::vector<Structure> parseTable(const std::vector<std::uint8_t> &table)
{
    std::vector<Structure> structures;
    std::size_t at = 0;
    while (table.size() - at >= 4) {
        const std::uint8_t length = table[at + 1];
        if (length < 4 || table.size() - at < length)
            break;
        Structure s;
        s.type = table[at];
        s.handle = static_cast<std::uint16_t>(table[at + 2] | (table[at + 3] << 8));
        s.formatted.assign(table.begin() + static_cast<std::ptrdiff_t>(at),
                           table.begin() + static_cast<std::ptrdiff_t>(at + length));

        // The string set ends with an empty string; a structure without strings ends in two zeros.
        std::size_t cursor = at + length;
        bool complete = false;
        if (table.size() - cursor >= 2 && table[cursor] == 0 && table[cursor + 1] == 0) {
            cursor += 2;
            complete = true;
        } else {
            while (cursor < table.size()) {
                std::size_t end = cursor;
                while (end < table.size() && table[end] != 0)
                    ++end;
                if (end == table.size())
                    break;
                if (end == cursor) {
                    cursor = end + 1;
                    complete = true;
                    break;
                }
                s.strings.emplace_back(reinterpret_cast<const char *>(table.data() + cursor), end - cursor);
                cursor = end + 1;
            }
        }
        const bool last = s.type == kEndOfTable;
        structures.push_back(std::move(s));
        if (!complete || last)
            break;
        at = cursor;
    }
    return structures;
}

std::vector<MemoryArray> memoryArrays(const std::vector<Structure> &table)
{
    std::vector<MemoryArray> arrays;
    for (const auto &s : table) {
        if (s.type != 16)
            continue;
        MemoryArray array;
        array.handle = s.handle;
        array.use = s.byte(0x05);
        if (const auto max = s.dword(0x07)) {
            if (*max != 0x80000000u) {
                array.maxCapacityKb = *max;
            } else if (const auto extended = s.qword(0x0F)) {
                array.maxCapacityKb = *extended / 1024;
            }
        }
        array.memoryDevices = s.word(0x0D);
        arrays.push_back(array);
    }
    return arrays;
}

std::vector<MemoryDevice> memoryDevices(const std::vector<Structure> &table)
{
    std::vector<MemoryDevice> devices;
    for (const auto &s : table) {
        if (s.type != 17)
            continue;
        MemoryDevice device;
        device.handle = s.handle;
        device.arrayHandle = s.word(0x04);
        device.totalWidth = unlessUnknown(s.word(0x08), 0xFFFF);
        device.dataWidth = unlessUnknown(s.word(0x0A), 0xFFFF);
        decodeSize(s, device);
        device.formFactor = s.byte(0x0E);
        device.deviceLocator = s.text(0x10);
        device.bankLocator = s.text(0x11);
        device.memoryType = s.byte(0x12);
        device.speed = speedField(s, 0x15, 0x54);
        device.manufacturer = s.text(0x17);
        device.serialNumber = s.text(0x18);
        device.assetTag = s.text(0x19);
        device.partNumber = s.text(0x1A);
        device.configuredSpeed = speedField(s, 0x20, 0x58);
        device.configuredVoltage = unlessUnknown(s.word(0x26), 0);
        devices.push_back(std::move(device));
    }
    return devices;
}

std::vector<Processor> processors(const std::vector<Structure> &table)
{
    std::vector<Processor> result;
    for (const auto &s : table) {
        if (s.type != 4)
            continue;
        Processor processor;
        processor.socketDesignation = s.text(0x04);
        processor.processorType = s.byte(0x05);
        processor.upgrade = s.byte(0x19);
        processor.populated = (s.byte(0x18).value_or(0) & 0x40) != 0;
        result.push_back(std::move(processor));
    }
    return result;
}

} // namespace platform::smbios
