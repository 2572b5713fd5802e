#include "platform/linux/linux_source.h"

namespace platform::linuxbackend {

namespace {

constexpr std::uint32_t kBios = 1;
constexpr std::uint32_t kUefi = 2;
const char *const kSecureBootVariable = "SecureBoot-8be4df61-93ca-11d2-aa0d-00e098032b8c";

} // namespace

std::optional<std::uint32_t> LinuxSource::firmwareType()
{
    if (root().exists("/sys/firmware/efi"))
        return kUefi;
    // A device tree means firmware that is neither; no firmware folder means nothing is known.
    if (root().exists("/sys/firmware/devicetree") || !root().exists("/sys/firmware"))
        return std::nullopt;
    return kBios;
}

std::optional<std::uint32_t> LinuxSource::secureBootEnabled()
{
    // efivarfs: four attribute bytes, then the value.
    if (const auto data =
            root().readFile(std::string("/sys/firmware/efi/efivars/") + kSecureBootVariable, 64)) {
        if (data->size() >= 5)
            return static_cast<std::uint8_t>((*data)[4]);
        return std::nullopt;
    }
    // The older sysfs interface gives the value alone.
    if (const auto data =
            root().readFile(std::string("/sys/firmware/efi/vars/") + kSecureBootVariable + "/data", 64)) {
        if (!data->empty())
            return static_cast<std::uint8_t>((*data)[0]);
    }
    return std::nullopt;
}

} // namespace platform::linuxbackend
