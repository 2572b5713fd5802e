#include "platform/windows/variant_reader.h"

#include <oleauto.h>
#include <windows.h>

namespace platform::windowsbackend {

std::u16string bstrText(BSTR text)
{
    return std::u16string(reinterpret_cast<const char16_t *>(text), SysStringLen(text));
}

namespace {

bool isListElementType(VARTYPE type)
{
    return type == VT_I2 || type == VT_I4 || type == VT_I1 || type == VT_UI1 || type == VT_UI2 ||
           type == VT_UI4;
}

// Only one-dimensional arrays of the element types the conversion knows are read, and only when
// the array itself holds the type the VARIANT claims: SafeArrayGetElement copies the array's own
// element into the buffer given, so a mismatch would overrun it or read a number as a pointer.
std::optional<std::vector<RawArrayElement>> arrayElements(SAFEARRAY *array, VARTYPE elementType)
{
    VARTYPE stored = VT_EMPTY;
    LONG lower = 0;
    LONG upper = -1;
    if (SafeArrayGetDim(array) != 1 || FAILED(SafeArrayGetVartype(array, &stored)) || stored != elementType ||
        FAILED(SafeArrayGetLBound(array, 1, &lower)) || FAILED(SafeArrayGetUBound(array, 1, &upper)))
        return std::nullopt;
    const UINT elementSize = SafeArrayGetElemsize(array);
    std::vector<RawArrayElement> elements;
    if (elementType == VT_BSTR && elementSize == sizeof(BSTR)) {
        for (LONG i = lower; i <= upper; ++i) {
            RawArrayElement element;
            BSTR text = nullptr;
            element.fetched = SUCCEEDED(SafeArrayGetElement(array, &i, &text));
            if (element.fetched && text)
                element.text = bstrText(text);
            SysFreeString(text);
            elements.push_back(std::move(element));
        }
    } else if (isListElementType(elementType) && elementSize <= sizeof(std::uint64_t)) {
        for (LONG i = lower; i <= upper; ++i) {
            RawArrayElement element;
            std::uint64_t bits = 0; // little-endian: the element lands zero-extended
            element.fetched = SUCCEEDED(SafeArrayGetElement(array, &i, &bits));
            element.bits = bits;
            elements.push_back(element);
        }
    } else {
        return std::nullopt;
    }
    return elements;
}

} // namespace

RawVariant rawVariant(const VARIANT &value)
{
    RawVariant raw;
    raw.vt = value.vt;
    if (value.vt & VT_ARRAY) {
        if (!(value.vt & VT_BYREF) && value.parray)
            raw.array = arrayElements(value.parray, static_cast<VARTYPE>(value.vt & VT_TYPEMASK));
        return raw;
    }
    switch (value.vt) {
    case VT_I2:
        raw.bits = static_cast<std::uint16_t>(value.iVal);
        break;
    case VT_I4:
        raw.bits = static_cast<std::uint32_t>(value.lVal);
        break;
    case VT_INT:
        raw.bits = static_cast<std::uint32_t>(value.intVal);
        break;
    case VT_R4:
        raw.real = value.fltVal;
        break;
    case VT_R8:
        raw.real = value.dblVal;
        break;
    case VT_BSTR:
        if (value.bstrVal)
            raw.text = bstrText(value.bstrVal);
        break;
    case VT_BOOL:
        raw.bits = static_cast<std::uint16_t>(value.boolVal);
        break;
    case VT_I1:
        raw.bits = static_cast<std::uint8_t>(value.cVal);
        break;
    case VT_UI1:
        raw.bits = value.bVal;
        break;
    case VT_UI2:
        raw.bits = value.uiVal;
        break;
    case VT_UI4:
        raw.bits = value.ulVal;
        break;
    case VT_UINT:
        raw.bits = value.uintVal;
        break;
    case VT_I8:
        raw.bits = static_cast<std::uint64_t>(value.llVal);
        break;
    case VT_UI8:
        raw.bits = value.ullVal;
        break;
    default:
        break;
    }
    return raw;
}

} // namespace platform::windowsbackend
