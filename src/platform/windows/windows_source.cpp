#include "platform/windows/windows_source.h"

#include <objbase.h>
#include <windows.h>

namespace platform {

std::unique_ptr<Source> makeLiveSource()
{
    return std::make_unique<windowsbackend::WindowsSource>();
}

namespace windowsbackend {

ComInit WindowsSource::comInitialize()
{
    const HRESULT result = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (result == RPC_E_CHANGED_MODE)
        return ComInit::ChangedMode;
    // A second call in the same process fails harmlessly, so its result does not matter.
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                         RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
    return SUCCEEDED(result) ? ComInit::Owned : ComInit::NotOwned;
}

void WindowsSource::comUninitialize()
{
    CoUninitialize();
}

} // namespace windowsbackend
} // namespace platform
