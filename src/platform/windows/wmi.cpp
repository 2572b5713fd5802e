#include "platform/variant_conversion.h"
#include "platform/windows/windows_source.h"

#include <objbase.h>
#include <oleauto.h>
#include <wbemidl.h>
#include <windows.h>

namespace platform::windowsbackend {

namespace {

std::u16string fromBstr(BSTR text)
{
    return std::u16string(reinterpret_cast<const char16_t *>(text), SysStringLen(text));
}

// Owns one BSTR for the length of a call.
class Bstr {
public:
    explicit Bstr(const std::string &utf8)
    {
        const int units =
            MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
        m_text = SysAllocStringLen(nullptr, static_cast<UINT>(units));
        if (m_text && units > 0)
            MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), m_text, units);
    }
    ~Bstr() { SysFreeString(m_text); }
    Bstr(const Bstr &) = delete;
    Bstr &operator=(const Bstr &) = delete;
    BSTR get() const { return m_text; }

private:
    BSTR m_text = nullptr;
};

bool isListElementType(VARTYPE type)
{
    return type == VT_I2 || type == VT_I4 || type == VT_I1 || type == VT_UI1 || type == VT_UI2 ||
           type == VT_UI4;
}

// Only one-dimensional arrays of the element types the conversion knows are read: fetching
// anything else into a fixed buffer would overrun it.
std::vector<RawArrayElement> arrayElements(SAFEARRAY *array, VARTYPE elementType)
{
    std::vector<RawArrayElement> elements;
    LONG lower = 0;
    LONG upper = -1;
    if (SafeArrayGetDim(array) != 1 || FAILED(SafeArrayGetLBound(array, 1, &lower)) ||
        FAILED(SafeArrayGetUBound(array, 1, &upper)))
        return elements;
    const UINT elementSize = SafeArrayGetElemsize(array);
    if (elementType == VT_BSTR && elementSize == sizeof(BSTR)) {
        for (LONG i = lower; i <= upper; ++i) {
            RawArrayElement element;
            BSTR text = nullptr;
            element.fetched = SUCCEEDED(SafeArrayGetElement(array, &i, &text));
            if (element.fetched && text)
                element.text = fromBstr(text);
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
    }
    return elements;
}

RawVariant toRaw(const VARIANT &value)
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
            raw.text = fromBstr(value.bstrVal);
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

Row readObject(IWbemClassObject *object)
{
    Row row;
    if (FAILED(object->BeginEnumeration(WBEM_FLAG_NONSYSTEM_ONLY)))
        return row;
    for (;;) {
        BSTR name = nullptr;
        VARIANT value;
        VariantInit(&value);
        if (object->Next(0, &name, &value, nullptr, nullptr) != WBEM_S_NO_ERROR) {
            VariantClear(&value);
            SysFreeString(name);
            break;
        }
        Value converted = convertVariant(toRaw(value));
        if (name && isPresent(converted))
            row[utf16ToUtf8(fromBstr(name))] = std::move(converted);
        VariantClear(&value);
        SysFreeString(name);
    }
    object->EndEnumeration();
    return row;
}

class WindowsWmiService final : public WmiService {
public:
    WindowsWmiService(IWbemLocator *locator, IWbemServices *services)
        : m_locator(locator), m_services(services)
    {
    }
    ~WindowsWmiService() override
    {
        m_services->Release();
        m_locator->Release();
    }
    WindowsWmiService(const WindowsWmiService &) = delete;
    WindowsWmiService &operator=(const WindowsWmiService &) = delete;

    Rows query(const std::string &wql) override
    {
        Rows rows;
        const Bstr language("WQL");
        const Bstr text(wql);
        IEnumWbemClassObject *enumerator = nullptr;
        const HRESULT result = m_services->ExecQuery(language.get(), text.get(),
                                                     WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY,
                                                     nullptr, &enumerator);
        if (FAILED(result) || !enumerator)
            return rows;
        for (;;) {
            IWbemClassObject *object = nullptr;
            ULONG returned = 0;
            const HRESULT next = enumerator->Next(static_cast<LONG>(WBEM_INFINITE), 1, &object, &returned);
            if (next != WBEM_S_NO_ERROR || returned == 0 || !object) {
                if (object)
                    object->Release();
                break;
            }
            rows.push_back(readObject(object));
            object->Release();
        }
        enumerator->Release();
        return rows;
    }

private:
    IWbemLocator *m_locator;
    IWbemServices *m_services;
};

} // namespace

std::unique_ptr<WmiService> WindowsSource::openWmi(const std::string &nameSpace)
{
    IWbemLocator *locator = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                reinterpret_cast<void **>(&locator))) ||
        !locator)
        return nullptr;
    const Bstr path(nameSpace);
    IWbemServices *services = nullptr;
    if (FAILED(
            locator->ConnectServer(path.get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr, &services)) ||
        !services) {
        locator->Release();
        return nullptr;
    }
    CoSetProxyBlanket(services, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                      RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
    return std::make_unique<WindowsWmiService>(locator, services);
}

} // namespace platform::windowsbackend
