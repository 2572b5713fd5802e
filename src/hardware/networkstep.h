#pragma once

#include "platform/source.h"

#include <QHash>
#include <QVariantList>
#include <QVariantMap>

#include <optional>
#include <vector>

// The maps of the network step, built from what the platform reported.

// Wi-Fi map of each WLAN interface, keyed by its upper-cased GUID (the adapter name it matches).
using WifiTable = QHash<QString, QVariantMap>;
WifiTable wifiTable(const std::vector<platform::WlanInterface> &interfaces);
QVariantMap wifiMap(const platform::WlanInterface &wlan);

// One map per Ethernet or Wi-Fi adapter in platform order, Wi-Fi ones merged with their WLAN map.
QVariantList networkList(const std::vector<platform::NetworkAdapter> &adapters, const WifiTable &wifi);
QVariantMap adapterMap(const platform::NetworkAdapter &adapter);

// The radio and at most the first twelve devices; the counts cover every device.
QVariantMap bluetoothMap(const std::optional<platform::Bluetooth> &bluetooth);
