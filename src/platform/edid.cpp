#include "platform/edid.h"

namespace platform {

namespace {

constexpr std::size_t kBlockSize = 128;
constexpr std::uint8_t kHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};

constexpr std::uint8_t kSerialTag = 0xFF;
constexpr std::uint8_t kNameTag = 0xFC;

// Descriptor text ends at a line feed (or a zero, which some panels use) and is padded with
// spaces. Only printable ASCII is kept, so a corrupted descriptor cannot smuggle control bytes
// into a report.
std::string descriptorText(const std::uint8_t *text)
{
    std::string out;
    for (std::size_t i = 0; i < 13; ++i) {
        const std::uint8_t c = text[i];
        if (c == 0x0A || c == 0x00)
            break;
        if (c >= 0x20 && c <= 0x7E)
            out.push_back(static_cast<char>(c));
    }
    const auto first = out.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

std::string pnpCode(std::uint8_t high, std::uint8_t low)
{
    const unsigned packed = (static_cast<unsigned>(high) << 8) | low;
    std::string code;
    for (int shift = 10; shift >= 0; shift -= 5) {
        const unsigned letter = (packed >> shift) & 0x1F;
        if (letter < 1 || letter > 26)
            return {};
        code.push_back(static_cast<char>('A' + letter - 1));
    }
    return code;
}

std::optional<EdidTiming> detailedTiming(const std::uint8_t *d)
{
    const std::uint32_t clock = d[0] | (d[1] << 8); // 10 kHz units
    const std::uint32_t hActive = d[2] | ((d[4] & 0xF0) << 4);
    const std::uint32_t hBlank = d[3] | ((d[4] & 0x0F) << 8);
    const std::uint32_t vActive = d[5] | ((d[7] & 0xF0) << 4);
    const std::uint32_t vBlank = d[6] | ((d[7] & 0x0F) << 8);
    const std::uint64_t total = static_cast<std::uint64_t>(hActive + hBlank) * (vActive + vBlank);
    if (hActive == 0 || vActive == 0 || total == 0)
        return std::nullopt;
    EdidTiming timing;
    timing.interlaced = (d[17] & 0x80) != 0;
    timing.width = hActive;
    timing.height = timing.interlaced ? vActive * 2 : vActive;
    timing.refresh = static_cast<std::uint32_t>((clock * 10000ull + total / 2) / total);
    return timing;
}

} // namespace

std::optional<Edid> parseEdid(const std::uint8_t *data, std::size_t size)
{
    if (!data || size < kBlockSize)
        return std::nullopt;
    for (std::size_t i = 0; i < sizeof kHeader; ++i) {
        if (data[i] != kHeader[i])
            return std::nullopt;
    }
    unsigned sum = 0;
    for (std::size_t i = 0; i < kBlockSize; ++i)
        sum += data[i];
    if (sum % 256 != 0)
        return std::nullopt;

    Edid edid;
    edid.manufacturer = pnpCode(data[8], data[9]);
    edid.productCode = static_cast<std::uint16_t>(data[10] | (data[11] << 8));
    edid.serialNumber = static_cast<std::uint32_t>(data[12]) | (static_cast<std::uint32_t>(data[13]) << 8) |
                        (static_cast<std::uint32_t>(data[14]) << 16) |
                        (static_cast<std::uint32_t>(data[15]) << 24);
    // Week 0xFF turns the year byte into a model year; weeks beyond 54 are not weeks at all.
    edid.modelYear = data[16] == 0xFF;
    edid.week = data[16] >= 1 && data[16] <= 54 ? data[16] : 0;
    edid.year = 1990u + data[17];
    if (data[21] != 0 && data[22] != 0) {
        edid.widthCm = data[21];
        edid.heightCm = data[22];
    }

    for (std::size_t offset = 54; offset < 126; offset += 18) {
        const std::uint8_t *d = data + offset;
        if (d[0] != 0 || d[1] != 0) {
            if (const auto timing = detailedTiming(d))
                edid.timings.push_back(*timing);
            continue;
        }
        const std::uint8_t tag = d[3];
        if (tag == kNameTag && edid.name.empty())
            edid.name = descriptorText(d + 5);
        else if (tag == kSerialTag && edid.serial.empty())
            edid.serial = descriptorText(d + 5);
    }
    return edid;
}

} // namespace platform
