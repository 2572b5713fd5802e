#pragma once

#include <QString>

// The `bluetooth` map of a scan; only `present` when there is no radio.
namespace BluetoothKey {
inline const QString kPresent = QStringLiteral("present");
inline const QString kName = QStringLiteral("name");
inline const QString kAddress = QStringLiteral("address");
inline const QString kPairedCount = QStringLiteral("pairedCount");
inline const QString kConnectedCount = QStringLiteral("connectedCount");
inline const QString kDevices = QStringLiteral("devices");
} // namespace BluetoothKey

// One entry of the bluetooth map's `devices`: one paired device.
namespace BluetoothDeviceKey {
inline const QString kName = QStringLiteral("name");
inline const QString kConnected = QStringLiteral("connected");
} // namespace BluetoothDeviceKey
