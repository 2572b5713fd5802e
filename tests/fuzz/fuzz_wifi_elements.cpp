#include "platform/linux/wifi_elements.h"

#include <cstddef>
#include <cstdint>

// Information elements arrive from any access point in radio range.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const auto capability = static_cast<std::uint16_t>(data[0] | data[1] << 8);
    (void)platform::linuxbackend::authAlgorithmOfElements(data + 2, size - 2, capability);
    (void)platform::linuxbackend::ssidOfElements(data + 2, size - 2);
    return 0;
}
