#include "hardware/drivepages.h"

#include "platform/ata.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::size_t kPageBytes = platform::ata::kSectorBytes;

// Beyond these a counter is garbage, not a drive older than two centuries or hotter than water boils.
constexpr qint64 kMaxPowerOnHours = 1999999;
constexpr int kMaxCelsius = 126;

constexpr std::array<int, 6> kSolidStateIds = {177, 173, 169, 202, 233, 231};
constexpr std::array<int, 6> kErrorCountIds = {5, 196, 197, 198, 187, 188};

quint64 littleEndian(const platform::Page &page, std::size_t offset, std::size_t bytes)
{
    quint64 value = 0;
    for (std::size_t i = bytes; i-- > 0;)
        value = value << 8 | page[offset + i];
    return value;
}

unsigned word(const platform::Page &page, std::size_t index)
{
    return static_cast<unsigned>(littleEndian(page, index * 2, 2));
}

void readNvmeHealthLog(const platform::Page &log, SmartReading &reading)
{
    reading.health = std::max(0, 100 - static_cast<int>(log[5]));
    const auto kelvin = static_cast<int>(littleEndian(log, 1, 2));
    if (kelvin >= 201 && kelvin <= 399)
        reading.temperature = kelvin - 273;
    // A 128-bit counter: anything in the upper half is far outside the window anyway.
    const quint64 hours = littleEndian(log, 128, 8);
    if (littleEndian(log, 136, 8) == 0 && hours >= 1 && hours <= static_cast<quint64>(kMaxPowerOnHours))
        reading.powerOnHours = static_cast<qint64>(hours);
    reading.valid = true;
    reading.media = SmartReading::kSolidState;
}

void readIdentify(const platform::Page &identify, SmartReading &reading)
{
    const unsigned rotation = word(identify, 217);
    if (rotation == 1)
        reading.media = SmartReading::kSolidState;
    else if (rotation >= 1025 && rotation <= 65534)
        reading.media = SmartReading::kRotating;
    reading.model = QString::fromStdString(platform::ata::identifyString(identify, 27, 20));
    reading.serial = QString::fromStdString(platform::ata::identifyString(identify, 10, 10));
    reading.firmware = QString::fromStdString(platform::ata::identifyString(identify, 23, 4));
}

quint64 rawOf(const SmartAttributes &attributes, int id)
{
    const auto it = attributes.find(id);
    return it == attributes.end() ? 0 : it->second.raw;
}

// min(cap, factor * raw) without overflow; raw values are at most 48 bits.
quint64 cappedProduct(quint64 raw, quint64 factor, quint64 cap)
{
    return raw >= cap ? cap : std::min(cap, raw * factor);
}

// 100 × (1 − min(73, r5 × 20/7)/100) × Π(1 − min(cap, k × r)/100), exactly, rounded half up.
// Scaling the first factor by 7 keeps everything in integers: 7 × min(73, 20r/7) = min(511, 20r).
int errorCountScore(const SmartAttributes &attributes)
{
    const quint64 first = 700 - cappedProduct(rawOf(attributes, 5), 20, 511);
    const quint64 rest[] = {100 - cappedProduct(rawOf(attributes, 196), 2, 30),
                            100 - cappedProduct(rawOf(attributes, 197), 4, 80),
                            100 - cappedProduct(rawOf(attributes, 198), 4, 80),
                            100 - cappedProduct(rawOf(attributes, 187), 4, 80)};
    quint64 numerator = first;
    for (const quint64 factor : rest)
        numerator *= factor;
    const quint64 denominator = 7ull * 100000000ull; // 7 × 100⁴, the 100 in front included
    return static_cast<int>((2 * numerator + denominator) / (2 * denominator));
}

// The last byte of a SMART data page makes the sum of all 512 bytes 0 (mod 256). A page that
// fails it was damaged on the way; read anyway, one flipped bit can fail a healthy drive.
bool checksumMatches(const platform::Page &page)
{
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < kPageBytes; ++i)
        sum = static_cast<std::uint8_t>(sum + page[i]);
    return sum == 0;
}

} // namespace

bool isUsablePage(const std::optional<platform::Page> &page)
{
    if (!page || page->size() < kPageBytes)
        return false;
    const auto begin = page->begin();
    const auto end = begin + kPageBytes;
    const bool allZero = std::all_of(begin, end, [](std::uint8_t b) { return b == 0x00; });
    const bool allOnes = std::all_of(begin, end, [](std::uint8_t b) { return b == 0xFF; });
    return !allZero && !allOnes;
}

SmartAttributes parseSmartAttributes(const platform::Page &smartData)
{
    SmartAttributes table;
    if (smartData.size() < kPageBytes)
        return table;
    for (std::size_t entry = 0; entry < 30; ++entry) {
        const std::size_t at = 2 + entry * 12;
        const int id = smartData[at];
        if (id == 0)
            continue;
        table[id] = {smartData[at + 3], smartData[at + 4], littleEndian(smartData, at + 5, 6)};
    }
    return table;
}

bool hasSolidStateAttribute(const SmartAttributes &attributes)
{
    return std::any_of(kSolidStateIds.begin(), kSolidStateIds.end(),
                       [&](int id) { return attributes.count(id) != 0; });
}

int smartHealth(const SmartAttributes &attributes, bool solidState)
{
    int health = 100;
    if (solidState) {
        for (const int id : kSolidStateIds) {
            const auto it = attributes.find(id);
            if (it != attributes.end() && it->second.current >= 1 && it->second.current <= 100) {
                health = it->second.current;
                break;
            }
        }
    }
    for (const int id : kErrorCountIds) {
        const auto it = attributes.find(id);
        if (it != attributes.end() && it->second.current >= 1 && it->second.current <= 99)
            health = std::min(health, it->second.current);
    }
    const bool anyErrors = rawOf(attributes, 5) || rawOf(attributes, 196) || rawOf(attributes, 197) ||
                           rawOf(attributes, 198) || rawOf(attributes, 187);
    if (anyErrors)
        health = std::min(health, errorCountScore(attributes));
    health = std::min(health, 100);
    return health >= 1 ? health : 0;
}

DriveHealth parseDrivePages(const platform::DrivePages &pages, bool ssdHint)
{
    DriveHealth result;
    SmartReading &reading = result.reading;
    if (isUsablePage(pages.nvmeHealthLog)) {
        readNvmeHealthLog(*pages.nvmeHealthLog, reading);
        return result;
    }
    if (isUsablePage(pages.identify))
        readIdentify(*pages.identify, reading);
    if (!isUsablePage(pages.smartData) || !checksumMatches(*pages.smartData))
        return result;
    result.attributes = parseSmartAttributes(*pages.smartData);
    const SmartAttributes &attributes = result.attributes;
    if (attributes.empty())
        return result;

    if (reading.media == SmartReading::kUnknownMedia) {
        reading.media = ssdHint || hasSolidStateAttribute(attributes) ? SmartReading::kSolidState
                                                                      : SmartReading::kRotating;
    }
    reading.health = smartHealth(attributes, reading.media == SmartReading::kSolidState);

    const auto temperature = attributes.count(194) ? attributes.find(194) : attributes.find(190);
    if (temperature != attributes.end() && (temperature->second.raw & 0xFF) <= kMaxCelsius)
        reading.temperature = static_cast<int>(temperature->second.raw & 0xFF);
    const auto hours = attributes.find(9);
    if (hours != attributes.end() &&
        (hours->second.raw & 0xFFFFFFFFu) <= static_cast<quint64>(kMaxPowerOnHours))
        reading.powerOnHours = static_cast<qint64>(hours->second.raw & 0xFFFFFFFFu);
    reading.valid = true;
    return result;
}

QString smartLogLine(int drive, int health, const SmartAttributes &attributes)
{
    const auto current = [&](int id) {
        const auto it = attributes.find(id);
        return it == attributes.end() ? -1 : it->second.current;
    };
    return QString::asprintf("SMART drive%d health=%d realloc(raw=%llu val=%d) pending(raw=%llu val=%d) "
                             "uncorr(raw=%llu val=%d) reallocEvt=%llu reported_uncorr=%llu",
                             drive, health, rawOf(attributes, 5), current(5), rawOf(attributes, 197),
                             current(197), rawOf(attributes, 198), current(198), rawOf(attributes, 196),
                             rawOf(attributes, 187));
}
