#include "hardware/profile/profilejson.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// A profile is a file anyone can hand the program. Whatever it accepts, what it writes back must
// read again to the same document.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const ProfileParse parsed = parseProfile(json, QStringLiteral("fuzz"));
    if (!parsed.data) {
        if (parsed.error.isEmpty())
            std::abort(); // a refusal always says why
        return 0;
    }
    const QByteArray written = profileToJson(*parsed.data);
    const ProfileParse again = parseProfile(written, QStringLiteral("fuzz"));
    if (!again.data || profileToJson(*again.data) != written)
        std::abort();
    return 0;
}
