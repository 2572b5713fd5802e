#include "platform/printable_text.h"

#include <cstdint>

namespace platform {

namespace {

// Length of the valid UTF-8 sequence starting at i, or 0 when there is none.
std::size_t utf8SequenceLength(const std::string &bytes, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(bytes[k]); };
    const std::uint8_t lead = byte(i);
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF)
        return 0;
    return length;
}

} // namespace

std::string printableText(const std::string &bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<std::uint8_t>(bytes[i]);
        if (lead < 0x20 || lead == 0x7F) {
            out += ' ';
            ++i;
        } else if (lead < 0x80) {
            out += static_cast<char>(lead);
            ++i;
        } else if (const std::size_t length = utf8SequenceLength(bytes, i)) {
            out.append(bytes, i, length);
            i += length;
        } else {
            out += static_cast<char>(0xC0 | (lead >> 6));
            out += static_cast<char>(0x80 | (lead & 0x3F));
            ++i;
        }
    }
    return out;
}

} // namespace platform
