#include "hardware/networkrules.h"

#include <QStringList>

namespace {

bool containsAny(const QString &text, std::initializer_list<const char *> words)
{
    for (const char *word : words) {
        if (text.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

bool isVirtualAdapter(const QString &description)
{
    return containsAny(description,
                       {"Virtual", "VMware", "VirtualBox", "Hyper-V", "vEthernet", "TAP-", "Loopback",
                        "WAN Miniport", "Wi-Fi Direct", "Npcap", "Pseudo", "WSL", "Hamachi", "ZeroTier",
                        "Tailscale", "WireGuard", "OpenVPN", "Bluetooth Device"});
}

QString ethernetSpeedClass(const QString &description)
{
    if (containsAny(description, {"10G", "10 Gig"}))
        return QStringLiteral("10 Gbps");
    if (containsAny(description, {"2.5G", "2.5 Gig"}))
        return QStringLiteral("2.5 Gbps");
    // "10/100/1000" names a gigabit adapter; without it "10/100" below would claim 100 Mbps.
    if (containsAny(description, {"Gigabit", "GbE", "10/100/1000"}))
        return QStringLiteral("1 Gbps");
    if (containsAny(description, {"Fast Ethernet", "10/100"}))
        return QStringLiteral("100 Mbps");
    return {};
}

QString phyTypeName(std::uint32_t phyType)
{
    switch (phyType) {
    case 4:
        return QStringLiteral("802.11a");
    case 5:
        return QStringLiteral("802.11b");
    case 6:
        return QStringLiteral("802.11g");
    case 7:
        return QStringLiteral("Wi-Fi 4 (802.11n)");
    case 8:
        return QStringLiteral("Wi-Fi 5 (802.11ac)");
    case 10:
        return QStringLiteral("Wi-Fi 6 (802.11ax)");
    case 11:
        return QStringLiteral("Wi-Fi 7 (802.11be)");
    default:
        return {};
    }
}

int phyTypeRank(std::uint32_t phyType)
{
    switch (phyType) {
    case 4:
        return 1;
    case 5:
        return 2;
    case 6:
        return 3;
    case 7:
        return 4;
    case 8:
        return 5;
    case 10:
        return 6;
    case 11:
        return 7;
    default:
        return 0;
    }
}

QString bestPhyTypeName(const std::vector<std::uint32_t> &phyTypes)
{
    int bestRank = 0;
    QString best;
    for (const auto type : phyTypes) {
        if (phyTypeRank(type) > bestRank) {
            bestRank = phyTypeRank(type);
            best = phyTypeName(type);
        }
    }
    return best;
}

QString securityName(std::uint32_t authAlgorithm)
{
    switch (authAlgorithm) {
    case 1:
        return QStringLiteral("Mở (không mã hóa)");
    case 2:
        return QStringLiteral("WEP");
    case 3:
    case 4:
        return QStringLiteral("WPA");
    case 6:
    case 7:
        return QStringLiteral("WPA2");
    // WPA3-Enterprise 192-bit, WPA3-Personal (SAE) and WPA3-Enterprise. Opportunistic wireless
    // encryption (10) is a separate certification and stays unnamed.
    case 8:
    case 9:
    case 11:
        return QStringLiteral("WPA3");
    default:
        return {};
    }
}

QString bandOfChannel(std::uint32_t channel)
{
    if (channel == 0)
        return {};
    if (channel <= 14)
        return QStringLiteral("2.4 GHz");
    if (channel >= 36 && channel <= 177)
        return QStringLiteral("5 GHz");
    return QStringLiteral("6 GHz");
}

QString macText(const std::vector<std::uint8_t> &bytes)
{
    QStringList pairs;
    for (const auto byte : bytes)
        pairs << QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    return pairs.join(QLatin1Char(':'));
}

QString bluetoothAddressText(const std::array<std::uint8_t, 6> &address)
{
    return macText(std::vector<std::uint8_t>(address.begin(), address.end()));
}
