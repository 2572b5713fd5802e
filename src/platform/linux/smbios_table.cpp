#include "platform/linux/smbios_table.h"

namespace platform::linuxbackend {

std::optional<std::vector<smbios::Structure>> readSmbiosTable(const SysRoot &root)
{
    // The kernel caps the table far below this; anything larger is not a table.
    const auto bytes = root.readFile("/sys/firmware/dmi/tables/DMI", 4 << 20);
    if (!bytes || bytes->empty())
        return std::nullopt;
    return smbios::parseTable(std::vector<std::uint8_t>(bytes->begin(), bytes->end()));
}

} // namespace platform::linuxbackend
