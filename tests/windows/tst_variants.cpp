#include "check.h"

#include "platform/windows/variant_reader.h"

#include <oleauto.h>
#include <windows.h>

#include <limits>

// VARIANTs of the types Wine's WMI never delivers, built by hand through oleaut32 and read the
// way a WMI property is read.

using namespace platform;
using platform::windowsbackend::valueOf;

namespace {

// Owns one hand-built VARIANT (and the array or text inside it).
struct Variant {
    VARIANT v;
    Variant() { VariantInit(&v); }
    ~Variant() { VariantClear(&v); }
    Variant(const Variant &) = delete;
    Variant &operator=(const Variant &) = delete;
};

template <typename T> SAFEARRAY *vector(VARTYPE type, std::initializer_list<T> elements, LONG lower = 0)
{
    SAFEARRAY *array = SafeArrayCreateVector(type, lower, static_cast<ULONG>(elements.size()));
    LONG index = lower;
    for (T element : elements) {
        SafeArrayPutElement(array, &index, &element);
        ++index;
    }
    return array;
}

Value arrayValue(VARTYPE type, SAFEARRAY *array)
{
    Variant variant;
    variant.v.vt = static_cast<VARTYPE>(VT_ARRAY | type);
    variant.v.parray = array;
    return valueOf(variant.v);
}

} // namespace

// Each type is read from its own member of the VARIANT. What a value then becomes (sign, width, text
// up to its first zero, types left out) is tst_variantconversion's, on every platform; I2, I4, UI1
// and text arrive from real WMI queries in tst_wmi.
#define CHECK_SCALAR(type, member, value, expected)                                                          \
    do {                                                                                                     \
        Variant v;                                                                                           \
        v.v.vt = type;                                                                                       \
        v.v.member = value;                                                                                  \
        CHECK(valueOf(v.v) == Value(expected));                                                              \
    } while (false)

TEST_CASE(variantScalarsOfEveryType)
{
    CHECK_SCALAR(VT_R4, fltVal, -1.5f, -1.5);
    CHECK_SCALAR(VT_R8, dblVal, 1e300, 1e300);
    CHECK_SCALAR(VT_I8, llVal, std::numeric_limits<std::int64_t>::min(),
                 std::numeric_limits<std::int64_t>::min());
    CHECK_SCALAR(VT_UI8, ullVal, std::numeric_limits<std::uint64_t>::max(),
                 std::numeric_limits<std::uint64_t>::max());
    CHECK_SCALAR(VT_UI2, uiVal, 65535, std::int32_t(65535));
    CHECK_SCALAR(VT_UI4, ulVal, 0xFFFFFFFFu, std::uint32_t(0xFFFFFFFFu));
    CHECK_SCALAR(VT_UINT, uintVal, 7, std::uint32_t(7));
    CHECK_SCALAR(VT_INT, intVal, -7, std::int32_t(-7));
    CHECK_SCALAR(VT_I1, cVal, -128, std::int32_t(-128));
    CHECK_SCALAR(VT_BOOL, boolVal, VARIANT_TRUE, true);
    CHECK_SCALAR(VT_BOOL, boolVal, VARIANT_FALSE, false);
}

TEST_CASE(variantOneDimensionalArraysOfEachType)
{
    CHECK(arrayValue(VT_I2, vector<SHORT>(VT_I2, {-2, 300})) == Value(IntList{-2, 300}));
    CHECK(arrayValue(VT_I4, vector<LONG>(VT_I4, {-70000, 5}, 3)) == Value(IntList{-70000, 5}));
    CHECK(arrayValue(VT_I1, vector<CHAR>(VT_I1, {-1, 1})) == Value(IntList{255, 1}));
    CHECK(arrayValue(VT_UI1, vector<BYTE>(VT_UI1, {200, 0})) == Value(IntList{200, 0}));
    CHECK(arrayValue(VT_UI2, vector<USHORT>(VT_UI2, {65535})) == Value(IntList{65535}));
    CHECK(arrayValue(VT_UI4, vector<ULONG>(VT_UI4, {0xFFFFFFFFu, 9})) == Value(IntList{-1, 9}));
    CHECK(arrayValue(VT_I4, vector<LONG>(VT_I4, {})) == Value());

    // Text elements join with ", "; a null element is skipped.
    SAFEARRAY *texts = SafeArrayCreateVector(VT_BSTR, 1, 3);
    BSTR a = SysAllocString(L"A");
    BSTR b = SysAllocString(L"\x1EA0");
    LONG index = 1;
    SafeArrayPutElement(texts, &index, a);
    index = 3;
    SafeArrayPutElement(texts, &index, b);
    SysFreeString(a);
    SysFreeString(b);
    CHECK(arrayValue(VT_BSTR, texts) == Value(std::string("A, \xE1\xBA\xA0")));
}

TEST_CASE(variantArraysTheBackendRefuses)
{
    CHECK(arrayValue(VT_R8, vector<double>(VT_R8, {1.0})) == Value());
    CHECK(arrayValue(VT_I8, vector<LONGLONG>(VT_I8, {1})) == Value());
    CHECK(arrayValue(VT_BOOL, vector<VARIANT_BOOL>(VT_BOOL, {VARIANT_TRUE})) == Value());
    CHECK(arrayValue(VT_VARIANT, SafeArrayCreateVector(VT_VARIANT, 0, 2)) == Value());
    CHECK(arrayValue(VT_I4, nullptr) == Value());

    // Two dimensions.
    SAFEARRAYBOUND bounds[2] = {{2, 0}, {2, 0}};
    CHECK(arrayValue(VT_I4, SafeArrayCreate(VT_I4, 2, bounds)) == Value());

    // An array whose own element type is not the one the VARIANT claims: 64-bit numbers read as
    // text pointers, or text pointers read as numbers.
    CHECK(arrayValue(VT_BSTR, vector<LONGLONG>(VT_I8, {0x1234})) == Value());
    SAFEARRAY *texts = SafeArrayCreateVector(VT_BSTR, 0, 1);
    BSTR text = SysAllocString(L"1");
    LONG index = 0;
    SafeArrayPutElement(texts, &index, text);
    SysFreeString(text);
    CHECK(arrayValue(VT_I4, texts) == Value());

    // By reference.
    SAFEARRAY *numbers = vector<LONG>(VT_I4, {1});
    Variant byReference;
    byReference.v.vt = VT_ARRAY | VT_I4 | VT_BYREF;
    byReference.v.pparray = &numbers;
    CHECK(valueOf(byReference.v) == Value());
    byReference.v.vt = VT_EMPTY; // the array is not the VARIANT's to free
    SafeArrayDestroy(numbers);
}
