#include "platform/variant_conversion.h"

#include "platform/text.h"

namespace platform {

namespace {

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
            joined += text::utf16ToUtf8(*element.text);
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
        return variant.text ? text::utf16ToUtf8(*variant.text) : std::string();
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
