#include "platform/variant_conversion.h"

namespace platform {

namespace {

void appendUtf8(std::string &out, std::uint32_t code)
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

std::int32_t signExtend16(std::uint64_t bits)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(bits));
}

std::optional<std::int32_t> listElement(std::uint16_t elementType, std::uint64_t bits)
{
    switch (elementType) {
    case VtI2:
        return signExtend16(bits);
    case VtI4:
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
    case VtI1:
    case VtUi1:
        return static_cast<std::int32_t>(bits & 0xFF);
    case VtUi2:
        return static_cast<std::int32_t>(bits & 0xFFFF);
    case VtUi4:
        // The seam's lists hold 32-bit signed numbers: the bit pattern is kept.
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
    default:
        return std::nullopt;
    }
}

Value convertArray(const RawVariant &variant)
{
    if (!variant.array)
        return {};
    const std::uint16_t elementType = variant.vt & ~VtArray;
    if (elementType == VtBstr) {
        std::string joined;
        bool first = true;
        for (const auto &element : *variant.array) {
            if (!element.fetched || !element.text)
                continue;
            if (!first)
                joined += ", ";
            joined += utf16ToUtf8(*element.text);
            first = false;
        }
        return joined;
    }
    if (!listElement(elementType, 0))
        return {};
    IntList list;
    for (const auto &element : *variant.array) {
        if (element.fetched)
            list.push_back(*listElement(elementType, element.bits));
    }
    if (list.empty())
        return {};
    return list;
}

} // namespace

std::string utf16ToUtf8(const std::u16string &text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::uint32_t unit = text[i];
        if (unit == 0)
            break;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            appendUtf8(out, 0xFFFD);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

Value convertVariant(const RawVariant &variant)
{
    if (variant.vt & VtArray)
        return convertArray(variant);
    switch (variant.vt) {
    case VtI2:
        return signExtend16(variant.bits);
    case VtI4:
    case VtInt:
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(variant.bits));
    case VtR4:
    case VtR8:
        return variant.real;
    case VtBstr:
        return variant.text ? utf16ToUtf8(*variant.text) : std::string();
    case VtBool:
        return variant.bits != 0;
    case VtI1:
        return static_cast<std::int32_t>(static_cast<std::int8_t>(static_cast<std::uint8_t>(variant.bits)));
    case VtUi1:
        return static_cast<std::int32_t>(variant.bits & 0xFF);
    case VtUi2:
        return static_cast<std::int32_t>(variant.bits & 0xFFFF);
    case VtUi4:
    case VtUint:
        return static_cast<std::uint32_t>(variant.bits);
    case VtI8:
        return static_cast<std::int64_t>(variant.bits);
    case VtUi8:
        return static_cast<std::uint64_t>(variant.bits);
    default:
        return {};
    }
}

} // namespace platform
