#include "platform/windows/windows_source.h"

#include <windows.h>

namespace platform::windowsbackend {

std::optional<std::uint32_t> WindowsSource::firmwareType()
{
    FIRMWARE_TYPE type = FirmwareTypeUnknown;
    if (!GetFirmwareType(&type))
        return std::nullopt;
    return static_cast<std::uint32_t>(type);
}

std::optional<std::uint32_t> WindowsSource::secureBootEnabled()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\SecureBoot\\State", 0,
                      KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = 0;
    const LONG result = RegQueryValueExW(key, L"UEFISecureBootEnabled", nullptr, &type,
                                         reinterpret_cast<BYTE *>(&value), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || size != sizeof value)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

} // namespace platform::windowsbackend
