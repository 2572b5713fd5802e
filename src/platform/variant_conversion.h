#pragma once

#include "platform/value.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// VARTYPE codes the conversion knows.
enum VariantType : std::uint16_t {
    VtEmpty = 0,
    VtNull = 1,
    VtI2 = 2,
    VtI4 = 3,
    VtR4 = 4,
    VtR8 = 5,
    VtDate = 7,
    VtBstr = 8,
    VtBool = 11,
    VtI1 = 16,
    VtUi1 = 17,
    VtUi2 = 18,
    VtUi4 = 19,
    VtI8 = 20,
    VtUi8 = 21,
    VtInt = 22,
    VtUint = 23,
    VtArray = 0x2000,
};

// One element of a one-dimensional SAFEARRAY as the caller fetched it.
struct RawArrayElement {
    bool fetched = false;               // SafeArrayGetElement succeeded
    std::uint64_t bits = 0;             // integer elements: the element's bytes, zero-extended
    std::optional<std::u16string> text; // string elements: nullopt for a null BSTR
};

// A VARIANT copied out of COM into plain values, so the rules below need no Windows headers.
struct RawVariant {
    std::uint16_t vt = VtEmpty;
    std::uint64_t bits = 0;             // integer and boolean scalars: the payload's bytes, zero-extended
    double real = 0;                    // VT_R4 (widened) and VT_R8
    std::optional<std::u16string> text; // VT_BSTR: the whole BSTR (its length), nullopt when null
    std::optional<std::vector<RawArrayElement>>
        array; // array flag: elements lower to upper bound; nullopt when null
};

// The conversion of one WMI property value; an invalid value is std::monostate.
Value convertVariant(const RawVariant &variant);

} // namespace platform
