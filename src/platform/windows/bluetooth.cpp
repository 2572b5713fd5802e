#include "platform/windows/system_library.h"
#include "platform/windows/wide_text.h"
#include "platform/windows/windows_source.h"

#include <windows.h>

#include <bluetoothapis.h>

namespace platform::windowsbackend {

namespace {

// bthprops.cpl comes with the Bluetooth stack, which not every Windows installs: looked up at run
// time, its absence means no radio instead of a program that cannot start.
struct BluetoothApi {
    decltype(&BluetoothFindFirstRadio) findFirstRadio = nullptr;
    decltype(&BluetoothFindRadioClose) findRadioClose = nullptr;
    decltype(&BluetoothGetRadioInfo) getRadioInfo = nullptr;
    decltype(&BluetoothFindFirstDevice) findFirstDevice = nullptr;
    decltype(&BluetoothFindNextDevice) findNextDevice = nullptr;
    decltype(&BluetoothFindDeviceClose) findDeviceClose = nullptr;

    bool complete() const
    {
        return findFirstRadio && findRadioClose && getRadioInfo && findFirstDevice && findNextDevice &&
               findDeviceClose;
    }
};

const BluetoothApi &bluetoothApi()
{
    static const BluetoothApi api = [] {
        BluetoothApi found;
        const HMODULE library = systemLibrary(L"bthprops.cpl");
        found.findFirstRadio = KELVARO_SYSTEM_CALL(library, BluetoothFindFirstRadio);
        found.findRadioClose = KELVARO_SYSTEM_CALL(library, BluetoothFindRadioClose);
        found.getRadioInfo = KELVARO_SYSTEM_CALL(library, BluetoothGetRadioInfo);
        found.findFirstDevice = KELVARO_SYSTEM_CALL(library, BluetoothFindFirstDevice);
        found.findNextDevice = KELVARO_SYSTEM_CALL(library, BluetoothFindNextDevice);
        found.findDeviceClose = KELVARO_SYSTEM_CALL(library, BluetoothFindDeviceClose);
        return found;
    }();
    return api;
}

std::vector<BluetoothDevice> knownDevices(const BluetoothApi &api, HANDLE radio)
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
    HBLUETOOTH_DEVICE_FIND find = api.findFirstDevice(&search, &info);
    if (!find)
        return devices;
    do {
        devices.push_back({utf8(info.szName, BLUETOOTH_MAX_NAME_SIZE), info.fConnected != FALSE});
        info = BLUETOOTH_DEVICE_INFO{};
        info.dwSize = sizeof info;
    } while (api.findNextDevice(find, &info));
    api.findDeviceClose(find);
    return devices;
}

} // namespace

std::optional<Bluetooth> WindowsSource::bluetooth()
{
    const BluetoothApi &api = bluetoothApi();
    if (!api.complete())
        return std::nullopt;
    BLUETOOTH_FIND_RADIO_PARAMS params{};
    params.dwSize = sizeof params;
    HANDLE radio = nullptr;
    HBLUETOOTH_RADIO_FIND radioFind = api.findFirstRadio(&params, &radio);
    if (!radioFind)
        return std::nullopt;

    Bluetooth result;
    if (radio) {
        BLUETOOTH_RADIO_INFO info{};
        info.dwSize = sizeof info;
        if (api.getRadioInfo(radio, &info) == ERROR_SUCCESS) {
            BluetoothRadioInfo radioInfo;
            radioInfo.name = utf8(info.szName, BLUETOOTH_MAX_NAME_SIZE);
            // rgBytes holds the address least significant byte first.
            for (std::size_t i = 0; i < radioInfo.address.size(); ++i)
                radioInfo.address[i] = info.address.rgBytes[radioInfo.address.size() - 1 - i];
            result.radio = radioInfo;
        }
        result.devices = knownDevices(api, radio);
        CloseHandle(radio);
    }
    api.findRadioClose(radioFind);
    return result;
}

} // namespace platform::windowsbackend
