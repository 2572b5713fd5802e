#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// Display rules of the network step: pure functions over what the platform reported.

// The description names a software, tunnel or virtual-machine adapter rather than hardware.
bool isVirtualAdapter(const QString &description);

// "10 Gbps", "2.5 Gbps", "1 Gbps" or "100 Mbps" from the speed words of an Ethernet
// description; empty when it has none.
QString ethernetSpeedClass(const QString &description);

// Wi-Fi standard of a DOT11 PHY type and its rank (0 and empty for types without a name).
QString phyTypeName(std::uint32_t phyType);
int phyTypeRank(std::uint32_t phyType);
// Name of the best-ranked type (the first of equal rank); empty when none has a name.
QString bestPhyTypeName(const std::vector<std::uint32_t> &phyTypes);

// Security name of a DOT11 authentication algorithm; empty for values without one.
QString securityName(std::uint32_t authAlgorithm);

// "2.4 GHz", "5 GHz" or "6 GHz" from the channel number alone; empty for channel 0.
QString bandOfChannel(std::uint32_t channel);

// Bytes as upper-case hex pairs joined by ":"; empty for no bytes.
QString macText(const std::vector<std::uint8_t> &bytes);
QString bluetoothAddressText(const std::array<std::uint8_t, 6> &address);
