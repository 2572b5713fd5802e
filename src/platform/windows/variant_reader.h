#pragma once

#include "platform/variant_conversion.h"

#include <oaidl.h>

namespace platform::windowsbackend {

// Copies a VARIANT's payload out of COM. Arrays are read only when they are one-dimensional,
// not by reference, and really hold the element type the VARIANT claims.
RawVariant rawVariant(const VARIANT &value);

// The whole BSTR, by its length.
std::u16string bstrText(BSTR text);

// The conversion of one WMI property value.
inline Value valueOf(const VARIANT &value)
{
    return convertVariant(rawVariant(value));
}

} // namespace platform::windowsbackend
