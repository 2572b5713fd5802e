#include "platform/windows/windows_source.h"

#include <windows.h>

namespace platform::windowsbackend {

std::optional<PowerStatus> WindowsSource::powerStatus()
{
    SYSTEM_POWER_STATUS status{};
    if (!GetSystemPowerStatus(&status))
        return std::nullopt;
    PowerStatus result;
    result.acLineStatus = status.ACLineStatus;
    result.batteryFlag = status.BatteryFlag;
    result.batteryLifeTime = status.BatteryLifeTime;
    return result;
}

} // namespace platform::windowsbackend
