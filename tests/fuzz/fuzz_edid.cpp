#include "platform/edid.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

void parse(const std::uint8_t *data, std::size_t size)
{
    if (const auto edid = platform::parseEdid(data, size)) {
        std::size_t total = edid->manufacturer.size() + edid->name.size() + edid->serial.size();
        for (const auto &timing : edid->timings)
            total += timing.width + timing.height + timing.refresh;
        (void)total;
    }
}

} // namespace

// EDID blocks come from whatever monitor is plugged in. Random bytes almost never carry the
// header and a valid checksum, so each input is also tried with both repaired.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    parse(data, size);
    if (size < 128)
        return 0;
    std::vector<std::uint8_t> block(data, data + size);
    const std::uint8_t header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    unsigned sum = 0;
    for (std::size_t i = 0; i < 127; ++i) {
        if (i < sizeof header)
            block[i] = header[i];
        sum += block[i];
    }
    block[127] = static_cast<std::uint8_t>((256 - sum % 256) % 256);
    parse(block.data(), block.size());
    return 0;
}
