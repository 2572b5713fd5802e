#include "platform/linux/char_codes.h"

namespace platform::linuxbackend {

namespace {

// The code point starting at text[i], advancing i; -1 for a byte that starts no valid sequence.
long nextCodePoint(const std::string &text, std::size_t &i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i++);
    if (lead < 0x80)
        return lead;
    int length = 0;
    long code = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3;
        code = lead & 0x07;
    } else {
        return -1;
    }
    if (i + length > text.size())
        return -1;
    for (int k = 0; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return -1;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    static const long shortest[] = {0, 0x80, 0x800, 0x10000};
    if (code < shortest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return -1;
    i += length;
    return code;
}

} // namespace

IntList charCodes(const std::string &utf8, std::size_t width)
{
    IntList codes;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const long code = nextCodePoint(utf8, i);
        if (code <= 0)
            continue;
        if (code < 0x10000) {
            codes.push_back(static_cast<std::int32_t>(code));
        } else {
            codes.push_back(static_cast<std::int32_t>(0xD800 + ((code - 0x10000) >> 10)));
            codes.push_back(static_cast<std::int32_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        }
    }
    if (!codes.empty() && codes.size() < width)
        codes.resize(width, 0);
    return codes;
}

} // namespace platform::linuxbackend
