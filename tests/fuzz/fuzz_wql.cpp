#include "platform/wql.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Queries in profiles and tests are text from outside the program.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    if (const auto query = platform::parseWql(text)) {
        platform::Row row{{"Name", std::string("x")}, {"Size", std::uint64_t{1}}};
        (void)platform::applySelect(row, *query);
    }
    return 0;
}
