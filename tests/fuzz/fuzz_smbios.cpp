#include "platform/smbios.h"
#include "platform/text.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The firmware's structure table is bytes the program does not control.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto table = platform::smbios::parseTable(std::vector<std::uint8_t>(data, data + size));
    for (const auto &device : platform::smbios::memoryDevices(table))
        (void)platform::text::utf8OrLatin1ControlsAsSpaces(device.partNumber);
    (void)platform::smbios::memoryArrays(table);
    for (const auto &processor : platform::smbios::processors(table))
        (void)platform::text::utf8OrLatin1ControlsAsSpaces(processor.socketDesignation);
    return 0;
}
