#include "platform/linux/char_codes.h"

#include <vector>

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

std::vector<long> printableCodePoints(const std::string &bytes)
{
    std::vector<long> codes;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const long code = nextCodePoint(bytes, i);
        const bool control = code < 0x20 || (code >= 0x7F && code < 0xA0);
        if (!control)
            codes.push_back(code);
    }
    const auto isSpace = [](long code) { return code == ' '; };
    while (!codes.empty() && isSpace(codes.back()))
        codes.pop_back();
    std::size_t first = 0;
    while (first < codes.size() && isSpace(codes[first]))
        ++first;
    codes.erase(codes.begin(), codes.begin() + static_cast<std::ptrdiff_t>(first));
    return codes;
}

} // namespace

std::string printableText(const std::string &bytes)
{
    std::string out;
    for (const long code : printableCodePoints(bytes)) {
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return out;
}

IntList charCodes(const std::string &bytes, std::size_t width)
{
    IntList codes;
    for (const long code : printableCodePoints(bytes)) {
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
