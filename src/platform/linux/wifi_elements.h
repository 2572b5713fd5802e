#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// Wi-Fi values that need no kernel interface: channel numbers, signal quality and the
// information elements a network broadcasts (untrusted bytes from the air).
namespace platform::linuxbackend {

// Channel number of a frequency in MHz (2.4, 4.9/5, 6 and 60 GHz bands); 0 for none.
std::uint32_t channelOfFrequency(std::uint32_t mhz);

// Signal quality 0..100: 2 x (dBm + 100), so -100 dBm or weaker is 0 and -50 dBm or stronger 100.
std::uint32_t signalQualityOfDbm(int dbm);

// The SSID element of a BSS's information elements; nullopt when there is none.
std::optional<std::string> ssidOfElements(const std::uint8_t *data, std::size_t size);

// DOT11 authentication algorithm a network offers, from its RSN or WPA element and the privacy
// bit of its capability field; 0 when nothing is known. A network offering several key
// managements (WPA2/WPA3 transition) is reported by the weakest one.
std::uint32_t authAlgorithmOfElements(const std::uint8_t *data, std::size_t size, std::uint16_t capability);

} // namespace platform::linuxbackend
