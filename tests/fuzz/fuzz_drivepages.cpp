#include "hardware/drivepages.h"

#include <cstddef>
#include <cstdint>

// Drive pages come from firmware, from USB bridges and from profiles written elsewhere.
// The first byte chooses which pages are present and the hint; the rest is cut into pages.
namespace {

platform::Page take(const std::uint8_t *&data, std::size_t &size, std::size_t want)
{
    const std::size_t n = want < size ? want : size;
    platform::Page page(data, data + n);
    data += n;
    size -= n;
    return page;
}

bool printable(const QString &text)
{
    for (const QChar ch : text) {
        if (!ch.isPrint())
            return false;
    }
    return text == text.trimmed();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t selector = data[0];
    ++data;
    --size;
    // Bit 6 shortens every page by the next byte, so truncated pages are reached too.
    std::size_t length = 512;
    if ((selector & 0x40) && size > 0) {
        length = 480 + data[0] % 64;
        ++data;
        --size;
    }
    platform::DrivePages pages;
    pages.opened = true;
    if (selector & 0x01)
        pages.nvmeHealthLog = take(data, size, length);
    if (selector & 0x02)
        pages.identify = take(data, size, length);
    if (selector & 0x04)
        pages.smartData = take(data, size, length);

    const DriveHealth result = parseDrivePages(pages, selector & 0x08);
    const SmartReading &r = result.reading;
    const bool sane = r.health >= -1 && r.health <= 100 && (!r.valid || r.health >= 0) &&
                      (r.temperature == -1 || (r.temperature >= -72 && r.temperature <= 126)) &&
                      r.powerOnHours >= -1 && r.powerOnHours <= 1999999 && r.media >= -1 && r.media <= 1 &&
                      printable(r.model) && printable(r.serial) && printable(r.firmware);
    if (!sane)
        __builtin_trap();
    if (!result.attributes.empty())
        (void)smartLogLine(0, r.health, result.attributes);
    return 0;
}
