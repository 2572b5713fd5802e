#pragma once

#include <QString>

// One entry of `network`: one Ethernet or WiFi adapter; the WiFi keys only on WiFi adapters.
namespace NetworkKey {
inline const QString kKind = QStringLiteral("kind");
inline const QString kName = QStringLiteral("name");
inline const QString kDescription = QStringLiteral("description");
inline const QString kVirtual = QStringLiteral("virtual");
inline const QString kMaxSpeed = QStringLiteral("maxSpeed");
inline const QString kMac = QStringLiteral("mac");
inline const QString kConnected = QStringLiteral("connected");
inline const QString kLinkSpeed = QStringLiteral("linkSpeed");
inline const QString kIpv4 = QStringLiteral("ipv4");
inline const QString kIpv6 = QStringLiteral("ipv6");
inline const QString kGateway = QStringLiteral("gateway");
inline const QString kDns = QStringLiteral("dns");
inline const QString kMaxStandard = QStringLiteral("maxStandard");
inline const QString kSsid = QStringLiteral("ssid");
inline const QString kSignal = QStringLiteral("signal");
inline const QString kStandard = QStringLiteral("standard");
inline const QString kRxRate = QStringLiteral("rxRate");
inline const QString kTxRate = QStringLiteral("txRate");
inline const QString kSecurity = QStringLiteral("security");
inline const QString kChannel = QStringLiteral("channel");
inline const QString kBand = QStringLiteral("band");
} // namespace NetworkKey
