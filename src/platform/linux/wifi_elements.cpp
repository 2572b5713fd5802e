#include "platform/linux/wifi_elements.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace platform::linuxbackend {

namespace {

constexpr std::uint8_t elementSsid = 0;
constexpr std::uint8_t elementRsn = 48;
constexpr std::uint8_t elementVendor = 221;
constexpr std::size_t ssidMaxBytes = 32;
constexpr std::uint16_t capabilityPrivacy = 0x0010;

constexpr std::uint32_t authOpen = 1, authSharedKey = 2, authWpa = 3, authWpaPsk = 4, authRsna = 6,
                        authRsnaPsk = 7, authWpa3Ent192 = 8, authWpa3Sae = 9, authOwe = 10, authWpa3Ent = 11;

// Calls visit(id, data, length) for every whole element; a truncated tail is ignored.
template <typename Visit> void forEachElement(const std::uint8_t *data, std::size_t size, Visit visit)
{
    std::size_t pos = 0;
    while (data && pos + 2 <= size) {
        const std::uint8_t id = data[pos];
        const std::size_t length = data[pos + 1];
        if (pos + 2 + length > size)
            break;
        visit(id, data + pos + 2, length);
        pos += 2 + length;
    }
}

struct SuiteReader {
    const std::uint8_t *data;
    std::size_t size;
    std::size_t pos = 0;

    bool skip(std::size_t n)
    {
        if (pos + n > size)
            return false;
        pos += n;
        return true;
    }
    std::optional<std::uint16_t> count()
    {
        if (pos + 2 > size)
            return std::nullopt;
        const auto value = static_cast<std::uint16_t>(data[pos] | (data[pos + 1] << 8));
        pos += 2;
        return value;
    }
};

// The key-management suites of an RSN or WPA element body after its version; empty when the
// element stops before the list (the standard's default then applies).
std::vector<std::uint32_t> akmSuites(SuiteReader reader)
{
    std::vector<std::uint32_t> suites;
    if (!reader.skip(4)) // group cipher
        return suites;
    const auto pairwise = reader.count();
    if (!pairwise || !reader.skip(std::size_t(*pairwise) * 4))
        return suites;
    const auto akms = reader.count();
    if (!akms)
        return suites;
    for (std::uint16_t i = 0; i < *akms && reader.pos + 4 <= reader.size; ++i, reader.pos += 4) {
        const std::uint8_t *s = reader.data + reader.pos;
        suites.push_back(std::uint32_t(s[0]) << 24 | std::uint32_t(s[1]) << 16 | std::uint32_t(s[2]) << 8 |
                         s[3]);
    }
    return suites;
}

std::uint32_t rsnAuthOfSuite(std::uint32_t suite)
{
    if ((suite >> 8) != 0x000FAC)
        return 0;
    switch (suite & 0xFF) {
    case 1:  // 802.1X
    case 3:  // FT over 802.1X
    case 5:  // 802.1X with SHA-256
    case 14: // FILS
    case 15:
        return authRsna;
    case 2: // PSK
    case 4: // FT with PSK
    case 6: // PSK with SHA-256
        return authRsnaPsk;
    case 8:  // SAE
    case 9:  // FT over SAE
    case 24: // SAE with group-dependent hash
    case 25:
        return authWpa3Sae;
    case 11: // 802.1X Suite B
        return authWpa3Ent;
    case 12: // 802.1X Suite B 192-bit
    case 13: // FT over 802.1X with SHA-384
        return authWpa3Ent192;
    case 18:
        return authOwe;
    default:
        return 0;
    }
}

std::uint32_t weakest(const std::vector<std::uint32_t> &offered,
                      std::initializer_list<std::uint32_t> weakestFirst)
{
    for (const auto auth : weakestFirst) {
        if (std::find(offered.begin(), offered.end(), auth) != offered.end())
            return auth;
    }
    return 0;
}

std::uint32_t rsnAuth(const std::uint8_t *body, std::size_t length)
{
    SuiteReader reader{body, length};
    if (!reader.skip(2)) // version
        return authRsna;
    const auto suites = akmSuites(reader);
    if (suites.empty())
        return authRsna; // an element without a key-management list means 802.1X
    std::vector<std::uint32_t> offered;
    for (const auto suite : suites)
        offered.push_back(rsnAuthOfSuite(suite));
    return weakest(offered, {authRsnaPsk, authRsna, authWpa3Sae, authWpa3Ent, authWpa3Ent192, authOwe});
}

bool isWpaElement(const std::uint8_t *body, std::size_t length)
{
    return length >= 4 && body[0] == 0x00 && body[1] == 0x50 && body[2] == 0xF2 && body[3] == 0x01;
}

std::uint32_t wpaAuth(const std::uint8_t *body, std::size_t length)
{
    SuiteReader reader{body, length};
    if (!reader.skip(4 + 2)) // vendor type, version
        return authWpa;
    std::vector<std::uint32_t> offered;
    for (const auto suite : akmSuites(reader)) {
        if (suite == 0x0050F201)
            offered.push_back(authWpa);
        else if (suite == 0x0050F202)
            offered.push_back(authWpaPsk);
    }
    return offered.empty() ? authWpa : weakest(offered, {authWpaPsk, authWpa});
}

} // namespace

std::uint32_t channelOfFrequency(std::uint32_t mhz)
{
    if (mhz == 2484)
        return 14;
    if (mhz >= 2412 && mhz < 2484)
        return (mhz - 2407) / 5;
    if (mhz >= 4910 && mhz <= 4980)
        return (mhz - 4000) / 5;
    if (mhz >= 5005 && mhz < 5935)
        return (mhz - 5000) / 5;
    if (mhz == 5935)
        return 2;
    if (mhz > 5950 && mhz <= 7115)
        return (mhz - 5950) / 5;
    if (mhz >= 58320 && mhz <= 70200)
        return (mhz - 56160) / 2160;
    return 0;
}

std::uint32_t signalQualityOfDbm(int dbm)
{
    return static_cast<std::uint32_t>(std::clamp(2 * (dbm + 100), 0, 100));
}

std::optional<std::string> ssidOfElements(const std::uint8_t *data, std::size_t size)
{
    std::optional<std::string> ssid;
    forEachElement(data, size, [&ssid](std::uint8_t id, const std::uint8_t *body, std::size_t length) {
        if (id == elementSsid && !ssid && length <= ssidMaxBytes)
            ssid = std::string(reinterpret_cast<const char *>(body), length);
    });
    return ssid;
}

std::uint32_t authAlgorithmOfElements(const std::uint8_t *data, std::size_t size, std::uint16_t capability)
{
    std::optional<std::uint32_t> rsn, wpa;
    forEachElement(data, size, [&](std::uint8_t id, const std::uint8_t *body, std::size_t length) {
        if (id == elementRsn && !rsn)
            rsn = rsnAuth(body, length);
        else if (id == elementVendor && !wpa && isWpaElement(body, length))
            wpa = wpaAuth(body, length);
    });
    if (rsn && *rsn != 0)
        return *rsn;
    if (wpa)
        return *wpa;
    return capability & capabilityPrivacy ? authSharedKey : authOpen;
}

} // namespace platform::linuxbackend
