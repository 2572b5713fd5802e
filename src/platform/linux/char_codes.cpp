#include "platform/linux/char_codes.h"

#include "platform/text.h"

namespace platform::linuxbackend {

IntList charCodes(const std::string &bytes, std::size_t width)
{
    const std::string clean = text::validUtf8WithoutControlsTrimmed(bytes);
    std::u16string units;
    for (std::size_t i = 0; i < clean.size();)
        text::appendUtf16(units, text::nextUtf8(clean, i));
    IntList codes(units.begin(), units.end());
    if (!codes.empty() && codes.size() < width)
        codes.resize(width, 0);
    return codes;
}

} // namespace platform::linuxbackend
