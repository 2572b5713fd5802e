#include "platform/text.h"
#include "platform/windows/com_ptr.h"
#include "platform/windows/variant_reader.h"
#include "platform/windows/windows_source.h"

#include <objbase.h>
#include <oleauto.h>
#include <wbemidl.h>
#include <windows.h>

namespace platform::windowsbackend {

namespace {

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
        Value converted = valueOf(value);
        if (name && isPresent(converted))
            row[text::utf16ToUtf8(bstrText(name))] = std::move(converted);
        VariantClear(&value);
        SysFreeString(name);
    }
    object->EndEnumeration();
    return row;
}

class WindowsWmiService final : public WmiService {
public:
    WindowsWmiService(ComPtr<IWbemLocator> locator, ComPtr<IWbemServices> services)
        : m_locator(std::move(locator)), m_services(std::move(services))
    {
    }

    Rows query(const std::string &wql) override
    {
        Rows rows;
        const Bstr language("WQL");
        const Bstr text(wql);
        ComPtr<IEnumWbemClassObject> enumerator;
        const HRESULT result = m_services->ExecQuery(language.get(), text.get(),
                                                     WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY,
                                                     nullptr, enumerator.put());
        if (FAILED(result) || !enumerator)
            return rows;
        for (;;) {
            ComPtr<IWbemClassObject> object;
            ULONG returned = 0;
            const HRESULT next =
                enumerator->Next(static_cast<LONG>(WBEM_INFINITE), 1, object.put(), &returned);
            if (next != WBEM_S_NO_ERROR || returned == 0 || !object)
                break;
            rows.push_back(readObject(object.get()));
        }
        return rows;
    }

private:
    // Declared in this order so that the services are released before the locator.
    ComPtr<IWbemLocator> m_locator;
    ComPtr<IWbemServices> m_services;
};

} // namespace

std::unique_ptr<WmiService> WindowsSource::openWmi(const std::string &nameSpace)
{
    ComPtr<IWbemLocator> locator;
    if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                locator.putVoid())) ||
        !locator)
        return nullptr;
    const Bstr path(nameSpace);
    ComPtr<IWbemServices> services;
    if (FAILED(locator->ConnectServer(path.get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                      services.put())) ||
        !services)
        return nullptr;
    CoSetProxyBlanket(services.get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                      RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
    return std::make_unique<WindowsWmiService>(std::move(locator), std::move(services));
}

} // namespace platform::windowsbackend
