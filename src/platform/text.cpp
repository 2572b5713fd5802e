#include "platform/text.h"

namespace platform::text {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kByteOrderMark = 0xFEFF;

bool isSurrogate(char32_t code)
{
    return code >= 0xD800 && code <= 0xDFFF;
}

bool isHighSurrogate(char32_t code)
{
    return code >= 0xD800 && code <= 0xDBFF;
}

bool isLowSurrogate(char32_t code)
{
    return code >= 0xDC00 && code <= 0xDFFF;
}

// White space as Unicode classes it (separators and the C0/C1 spacing controls).
bool isWhiteSpace(char16_t unit)
{
    return unit == 0x20 || (unit >= 0x09 && unit <= 0x0D) || unit == 0x85 || unit == 0xA0 || unit == 0x1680 ||
           (unit >= 0x2000 && unit <= 0x200A) || unit == 0x2028 || unit == 0x2029 || unit == 0x202F ||
           unit == 0x205F || unit == 0x3000;
}

std::string trimmedSpaces(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

char32_t nextUtf8(std::string_view bytes, std::size_t &at)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = byte(at++);
    if (lead < 0x80)
        return lead;
    std::size_t more = 0;
    char32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3;
        code = lead & 0x07;
    } else {
        return kNotUtf8;
    }
    if (at + more > bytes.size())
        return kNotUtf8;
    for (std::size_t k = 0; k < more; ++k) {
        if ((byte(at + k) & 0xC0) != 0x80)
            return kNotUtf8;
        code = (code << 6) | (byte(at + k) & 0x3F);
    }
    static constexpr char32_t shortest[] = {0, 0x80, 0x800, 0x10000};
    if (code < shortest[more] || code > 0x10FFFF || isSurrogate(code))
        return kNotUtf8;
    at += more;
    return code;
}

void appendUtf8(std::string &out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void appendUtf16(std::u16string &out, char32_t code)
{
    if (code < 0x10000) {
        out += static_cast<char16_t>(code);
    } else {
        out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
        out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
}

bool isControl(char32_t code)
{
    return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

bool isBidiControl(char32_t code)
{
    return (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

std::string utf8OrLatin1ControlsAsSpaces(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t start = i;
        const char32_t code = nextUtf8(bytes, i);
        if (code == kNotUtf8)
            appendUtf8(out, static_cast<unsigned char>(bytes[start]));
        else if (code < 0x20 || code == 0x7F)
            out += ' ';
        else
            out.append(bytes.substr(start, i - start));
    }
    return out;
}

std::string latin1ControlsAsSpacesTrimmed(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        // The no-break space and the soft hyphen would print as nothing or break a line.
        if (isControl(byte) || byte == 0xA0 || byte == 0xAD)
            out += ' ';
        else
            appendUtf8(out, byte);
    }
    return trimmedSpaces(out);
}

std::string validUtf8WithoutControlsTrimmed(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const char32_t code = nextUtf8(bytes, i);
        if (code != kNotUtf8 && !isControl(code))
            appendUtf8(out, code);
    }
    return trimmedSpaces(out);
}

std::u16string utf16WithoutControlsOrBidi(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    std::size_t at = 0;
    // Only a mark that leads the text is one; anywhere else it is a character of the text.
    if (!utf8.empty() && nextUtf8(utf8, at) == kByteOrderMark)
        i = at;
    while (i < utf8.size()) {
        const char32_t code = nextUtf8(utf8, i);
        if (code == kNotUtf8)
            appendUtf16(out, kReplacement);
        else if (!isControl(code) && !isBidiControl(code))
            appendUtf16(out, code);
    }
    return out;
}

std::u16string charCodesWithoutControlsOrBidi(const std::vector<std::int64_t> &codes)
{
    const auto unitAt = [&](std::size_t i) {
        return codes[i] >= 0 && codes[i] <= 0xFFFF ? static_cast<char32_t>(codes[i]) : kNotUtf8;
    };
    std::u16string units;
    for (std::size_t i = 0; i < codes.size() && codes[i] != 0; ++i) {
        const char32_t unit = unitAt(i);
        if (unit == kNotUtf8 || isControl(unit))
            continue;
        if (isHighSurrogate(unit)) {
            // Kept only together with the low half that completes it.
            if (i + 1 < codes.size() && unitAt(i + 1) != kNotUtf8 && isLowSurrogate(unitAt(i + 1))) {
                units += static_cast<char16_t>(unit);
                units += static_cast<char16_t>(unitAt(++i));
            }
        } else if (!isLowSurrogate(unit)) {
            units += static_cast<char16_t>(unit);
        }
    }
    std::size_t first = 0;
    std::size_t end = units.size();
    while (first < end && isWhiteSpace(units[first]))
        ++first;
    while (end > first && isWhiteSpace(units[end - 1]))
        --end;
    std::u16string out;
    for (std::size_t i = first; i < end; ++i) {
        if (!isBidiControl(units[i]))
            out += units[i];
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view units)
{
    std::string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size() && units[i] != 0; ++i) {
        const char32_t unit = units[i];
        if (isHighSurrogate(unit) && i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else {
            appendUtf8(out, isSurrogate(unit) ? kReplacement : unit);
        }
    }
    return out;
}

} // namespace platform::text
