#include "platform/windows/system_library.h"
#include "platform/windows/windows_source.h"

#include <windows.h>

namespace platform::windowsbackend {

namespace {

using GetFirmwareTypeFunction = BOOL(WINAPI *)(FIRMWARE_TYPE *);

// Windows 8 added the call; imported statically, the program would not start on Windows 7.
GetFirmwareTypeFunction getFirmwareType()
{
    static const auto function =
        systemCall<GetFirmwareTypeFunction>(systemLibrary(L"kernel32.dll"), "GetFirmwareType");
    return function;
}

} // namespace

std::optional<std::uint32_t> WindowsSource::firmwareType()
{
    const GetFirmwareTypeFunction function = getFirmwareType();
    FIRMWARE_TYPE type = FirmwareTypeUnknown;
    if (!function || !function(&type))
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
    DWORD type = REG_NONE;
    const LONG result = RegQueryValueExW(key, L"UEFISecureBootEnabled", nullptr, &type,
                                         reinterpret_cast<BYTE *>(&value), &size);
    RegCloseKey(key);
    // Any other type or value is not a state Windows writes: a text "1" would read as 49.
    if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value || value > 1)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

} // namespace platform::windowsbackend
