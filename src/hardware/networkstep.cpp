#include "hardware/networkstep.h"

#include "hardware/keys/bluetoothkeys.h"
#include "hardware/keys/networkkeys.h"
#include "hardware/networkrules.h"
#include "hardware/platformvalue.h"
#include "hardware/rowreaders.h"
#include "hardware/textformats.h"
#include "hardware/windowscollector.h"

#include <limits>

namespace {

constexpr int listedBluetoothDevices = 12;

QString firstOf(const std::vector<std::string> &addresses)
{
    return addresses.empty() ? QString() : seamText(addresses.front());
}

} // namespace

QVariantMap wifiMap(const platform::WlanInterface &wlan)
{
    QVariantMap map;
    putText(map, NetworkKey::kMaxStandard, bestPhyTypeName(wlan.phyTypes));
    const bool connected = wlan.state == platform::WlanInterface::kConnected;
    map.insert(NetworkKey::kConnected, connected);
    if (!connected)
        return map;
    if (wlan.connection) {
        const auto &link = *wlan.connection;
        putText(map, NetworkKey::kSsid, seamText(link.ssid));
        map.insert(NetworkKey::kSignal, static_cast<int>(std::min<std::uint32_t>(link.signalQuality, 100)));
        putText(map, NetworkKey::kStandard, phyTypeName(link.phyType));
        putText(map, NetworkKey::kRxRate, linkSpeedText(quint64(link.rxRate) * 1000));
        putText(map, NetworkKey::kTxRate, linkSpeedText(quint64(link.txRate) * 1000));
        putText(map, NetworkKey::kSecurity, securityName(link.authAlgorithm));
    }
    if (wlan.channel) {
        map.insert(NetworkKey::kChannel, static_cast<int>(*wlan.channel));
        putText(map, NetworkKey::kBand, bandOfChannel(*wlan.channel));
    }
    return map;
}

WifiTable wifiTable(const std::vector<platform::WlanInterface> &interfaces)
{
    WifiTable table;
    for (const auto &wlan : interfaces)
        table.insert(QString::fromStdString(wlan.guid).toUpper(), wifiMap(wlan));
    return table;
}

QVariantMap adapterMap(const platform::NetworkAdapter &adapter)
{
    QVariantMap map;
    const bool wifi = adapter.ifType == platform::NetworkAdapter::kWireless80211;
    const QString description = seamText(adapter.description);
    const bool isVirtual = isVirtualAdapter(description);
    map.insert(NetworkKey::kKind, wifi ? QStringLiteral("WiFi") : QStringLiteral("Ethernet"));
    map.insert(NetworkKey::kName, seamText(adapter.friendlyName));
    map.insert(NetworkKey::kDescription, description);
    map.insert(NetworkKey::kVirtual, isVirtual);
    if (!wifi && !isVirtual)
        putText(map, NetworkKey::kMaxSpeed, ethernetSpeedClass(description));
    putText(map, NetworkKey::kMac, macText(adapter.physicalAddress));
    const bool up = adapter.operStatus == platform::NetworkAdapter::kOperUp;
    map.insert(NetworkKey::kConnected, up);
    if (up && adapter.transmitLinkSpeed != std::numeric_limits<std::uint64_t>::max())
        putText(map, NetworkKey::kLinkSpeed, linkSpeedText(adapter.transmitLinkSpeed));

    QString ipv4, ipv6;
    for (const auto &address : adapter.unicast) {
        const QString text = seamText(address);
        if (text.contains(QLatin1Char(':'))) {
            if (ipv6.isEmpty() && !text.startsWith(QLatin1String("fe80")))
                ipv6 = text;
        } else if (text.contains(QLatin1Char('.')) && ipv4.isEmpty()) {
            ipv4 = text;
        }
    }
    putText(map, NetworkKey::kIpv4, ipv4);
    putText(map, NetworkKey::kIpv6, ipv6);
    putText(map, NetworkKey::kGateway, firstOf(adapter.gateways));
    putText(map, NetworkKey::kDns, firstOf(adapter.dnsServers));
    return map;
}

QVariantList networkList(const std::vector<platform::NetworkAdapter> &adapters, const WifiTable &wifi)
{
    QVariantList list;
    for (const auto &adapter : adapters) {
        if (adapter.ifType != platform::NetworkAdapter::kEthernet &&
            adapter.ifType != platform::NetworkAdapter::kWireless80211)
            continue;
        QVariantMap map = adapterMap(adapter);
        if (adapter.ifType == platform::NetworkAdapter::kWireless80211) {
            const QVariantMap link = wifi.value(QString::fromStdString(adapter.adapterName).toUpper());
            for (auto it = link.begin(); it != link.end(); ++it)
                map.insert(it.key(), it.value());
        }
        list.append(map);
    }
    return list;
}

QVariantMap bluetoothMap(const std::optional<platform::Bluetooth> &bluetooth)
{
    QVariantMap map;
    map.insert(BluetoothKey::kPresent, bluetooth.has_value());
    if (!bluetooth)
        return map;
    if (bluetooth->radio) {
        putText(map, BluetoothKey::kName, seamText(bluetooth->radio->name));
        putText(map, BluetoothKey::kAddress, bluetoothAddressText(bluetooth->radio->address));
    }
    int connectedCount = 0;
    QVariantList devices;
    for (const auto &device : bluetooth->devices) {
        if (device.connected)
            ++connectedCount;
        if (devices.size() < listedBluetoothDevices)
            devices.append(QVariantMap{{BluetoothDeviceKey::kName, seamText(device.name)},
                                       {BluetoothDeviceKey::kConnected, device.connected}});
    }
    map.insert(BluetoothKey::kPairedCount, static_cast<int>(bluetooth->devices.size()));
    map.insert(BluetoothKey::kConnectedCount, connectedCount);
    map.insert(BluetoothKey::kDevices, devices);
    return map;
}

void collectNetwork(const CollectContext &context, QVariantList &network, QVariantMap &bluetooth)
{
    const WifiTable wifi = wifiTable(context.source.wlanInterfaces());
    network = networkList(context.source.networkAdapters(), wifi);
    bluetooth = bluetoothMap(context.source.bluetooth());
}
