#include "hardware/networkstep.h"

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
    putText(map, QStringLiteral("maxStandard"), bestPhyTypeName(wlan.phyTypes));
    const bool connected = wlan.state == platform::WlanInterface::kConnected;
    map.insert(QStringLiteral("connected"), connected);
    if (!connected)
        return map;
    if (wlan.connection) {
        const auto &link = *wlan.connection;
        putText(map, QStringLiteral("ssid"), seamText(link.ssid));
        map.insert(QStringLiteral("signal"),
                   static_cast<int>(std::min<std::uint32_t>(link.signalQuality, 100)));
        putText(map, QStringLiteral("standard"), phyTypeName(link.phyType));
        putText(map, QStringLiteral("rxRate"), linkSpeedText(quint64(link.rxRate) * 1000));
        putText(map, QStringLiteral("txRate"), linkSpeedText(quint64(link.txRate) * 1000));
        putText(map, QStringLiteral("security"), securityName(link.authAlgorithm));
    }
    if (wlan.channel) {
        map.insert(QStringLiteral("channel"), static_cast<int>(*wlan.channel));
        putText(map, QStringLiteral("band"), bandOfChannel(*wlan.channel));
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
    map.insert(QStringLiteral("kind"), wifi ? QStringLiteral("WiFi") : QStringLiteral("Ethernet"));
    map.insert(QStringLiteral("name"), seamText(adapter.friendlyName));
    map.insert(QStringLiteral("description"), description);
    map.insert(QStringLiteral("virtual"), isVirtual);
    if (!wifi && !isVirtual)
        putText(map, QStringLiteral("maxSpeed"), ethernetSpeedClass(description));
    putText(map, QStringLiteral("mac"), macText(adapter.physicalAddress));
    const bool up = adapter.operStatus == platform::NetworkAdapter::kOperUp;
    map.insert(QStringLiteral("connected"), up);
    if (up && adapter.transmitLinkSpeed != std::numeric_limits<std::uint64_t>::max())
        putText(map, QStringLiteral("linkSpeed"), linkSpeedText(adapter.transmitLinkSpeed));

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
    putText(map, QStringLiteral("ipv4"), ipv4);
    putText(map, QStringLiteral("ipv6"), ipv6);
    putText(map, QStringLiteral("gateway"), firstOf(adapter.gateways));
    putText(map, QStringLiteral("dns"), firstOf(adapter.dnsServers));
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
    map.insert(QStringLiteral("present"), bluetooth.has_value());
    if (!bluetooth)
        return map;
    if (bluetooth->radio) {
        putText(map, QStringLiteral("name"), seamText(bluetooth->radio->name));
        putText(map, QStringLiteral("address"), bluetoothAddressText(bluetooth->radio->address));
    }
    int connectedCount = 0;
    QVariantList devices;
    for (const auto &device : bluetooth->devices) {
        if (device.connected)
            ++connectedCount;
        if (devices.size() < listedBluetoothDevices)
            devices.append(QVariantMap{{QStringLiteral("name"), seamText(device.name)},
                                       {QStringLiteral("connected"), device.connected}});
    }
    map.insert(QStringLiteral("pairedCount"), static_cast<int>(bluetooth->devices.size()));
    map.insert(QStringLiteral("connectedCount"), connectedCount);
    map.insert(QStringLiteral("devices"), devices);
    return map;
}

void collectNetwork(const CollectContext &context, QVariantList &network, QVariantMap &bluetooth)
{
    const WifiTable wifi = wifiTable(context.source.wlanInterfaces());
    network = networkList(context.source.networkAdapters(), wifi);
    bluetooth = bluetoothMap(context.source.bluetooth());
}
