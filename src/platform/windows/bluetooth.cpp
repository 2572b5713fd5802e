#include "platform/windows/wide_text.h"
#include "platform/windows/windows_source.h"

#include <windows.h>

#include <bluetoothapis.h>

namespace platform::windowsbackend {

namespace {

std::vector<BluetoothDevice> knownDevices(HANDLE radio)
{
    std::vector<BluetoothDevice> devices;
    BLUETOOTH_DEVICE_SEARCH_PARAMS search{};
    search.dwSize = sizeof search;
    search.fReturnAuthenticated = TRUE;
    search.fReturnRemembered = TRUE;
    search.fReturnUnknown = FALSE;
    search.fReturnConnected = TRUE;
    search.fIssueInquiry = FALSE;
    search.cTimeoutMultiplier = 0;
    search.hRadio = radio;
    BLUETOOTH_DEVICE_INFO info{};
    info.dwSize = sizeof info;
    HBLUETOOTH_DEVICE_FIND find = BluetoothFindFirstDevice(&search, &info);
    if (!find)
        return devices;
    do {
        devices.push_back({utf8(info.szName, BLUETOOTH_MAX_NAME_SIZE), info.fConnected != FALSE});
        info = BLUETOOTH_DEVICE_INFO{};
        info.dwSize = sizeof info;
    } while (BluetoothFindNextDevice(find, &info));
    BluetoothFindDeviceClose(find);
    return devices;
}

} // namespace

std::optional<Bluetooth> WindowsSource::bluetooth()
{
    BLUETOOTH_FIND_RADIO_PARAMS params{};
    params.dwSize = sizeof params;
    HANDLE radio = nullptr;
    HBLUETOOTH_RADIO_FIND radioFind = BluetoothFindFirstRadio(&params, &radio);
    if (!radioFind)
        return std::nullopt;

    Bluetooth result;
    if (radio) {
        BLUETOOTH_RADIO_INFO info{};
        info.dwSize = sizeof info;
        if (BluetoothGetRadioInfo(radio, &info) == ERROR_SUCCESS) {
            BluetoothRadioInfo radioInfo;
            radioInfo.name = utf8(info.szName, BLUETOOTH_MAX_NAME_SIZE);
            // rgBytes holds the address least significant byte first.
            for (std::size_t i = 0; i < radioInfo.address.size(); ++i)
                radioInfo.address[i] = info.address.rgBytes[radioInfo.address.size() - 1 - i];
            result.radio = radioInfo;
        }
        result.devices = knownDevices(radio);
        CloseHandle(radio);
    }
    BluetoothFindRadioClose(radioFind);
    return result;
}

} // namespace platform::windowsbackend
