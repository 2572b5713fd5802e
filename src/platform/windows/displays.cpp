#include "platform/windows/wide_text.h"
#include "platform/windows/windows_source.h"

#include <windows.h>

namespace platform::windowsbackend {

namespace {

DisplayMode modeOf(const DEVMODEW &mode)
{
    DisplayMode out;
    out.width = mode.dmPelsWidth;
    out.height = mode.dmPelsHeight;
    out.frequency = mode.dmDisplayFrequency;
    out.bitsPerPixel = mode.dmBitsPerPel;
    return out;
}

bool displaySettings(const wchar_t *deviceName, DWORD modeIndex, DEVMODEW *mode)
{
    ZeroMemory(mode, sizeof *mode);
    mode->dmSize = sizeof *mode;
    return EnumDisplaySettingsW(deviceName, modeIndex, mode) != FALSE;
}

} // namespace

std::vector<DisplayDevice> WindowsSource::displayDevices()
{
    std::vector<DisplayDevice> devices;
    for (DWORD index = 0;; ++index) {
        DISPLAY_DEVICEW display{};
        display.cb = sizeof display;
        if (!EnumDisplayDevicesW(nullptr, index, &display, 0))
            break;
        DisplayDevice device;
        device.deviceName = utf8(display.DeviceName);
        device.description = utf8(display.DeviceString);
        device.stateFlags = display.StateFlags;
        // Modes matter only for outputs that show the desktop; the others are listed bare.
        if (display.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) {
            DEVMODEW mode;
            if (displaySettings(display.DeviceName, ENUM_CURRENT_SETTINGS, &mode))
                device.current = modeOf(mode);
            for (DWORD modeIndex = 0; displaySettings(display.DeviceName, modeIndex, &mode); ++modeIndex)
                device.modes.push_back(modeOf(mode));
        }
        devices.push_back(std::move(device));
    }
    return devices;
}

} // namespace platform::windowsbackend
