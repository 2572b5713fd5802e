#include "platform/linux/drm_sysfs.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <tuple>

namespace platform::linuxbackend {

namespace {

const std::string kDrm = "/sys/class/drm/";

// "card12" -> 12; -1 when the name is not a card.
long cardNumber(const std::string &name)
{
    if (name.compare(0, 4, "card") != 0 || name.size() == 4)
        return -1;
    long number = 0;
    for (std::size_t i = 4; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i])) || number > 100000)
            return -1;
        number = number * 10 + (name[i] - '0');
    }
    return number;
}

std::uint16_t hexId(const std::optional<std::string> &text)
{
    if (!text)
        return 0;
    char *end = nullptr;
    const unsigned long value = std::strtoul(text->c_str(), &end, 16);
    return end != text->c_str() && *end == '\0' && value <= 0xFFFF ? static_cast<std::uint16_t>(value) : 0;
}

bool isBuiltInPanel(const std::string &connector)
{
    for (const char *prefix : {"eDP-", "LVDS-", "DSI-"}) {
        if (connector.compare(0, std::char_traits<char>::length(prefix), prefix) == 0)
            return true;
    }
    return false;
}

} // namespace

std::vector<DrmCard> drmCards(const SysRoot &root)
{
    std::vector<std::pair<long, std::string>> names;
    for (const auto &name : root.listDir(kDrm)) {
        const long number = cardNumber(name);
        if (number >= 0)
            names.emplace_back(number, name);
    }
    std::sort(names.begin(), names.end());

    std::vector<DrmCard> cards;
    for (const auto &entry : names) {
        const std::string device = kDrm + entry.second + "/device";
        DrmCard card;
        card.name = entry.second;
        const auto vendor = root.readAttribute(device + "/vendor");
        card.pci = vendor.has_value();
        card.vendorId = hexId(vendor);
        card.deviceId = hexId(root.readAttribute(device + "/device"));
        card.driver = root.linkName(device + "/driver");
        const std::string module = root.linkName(device + "/driver/module");
        if (!module.empty())
            card.driverVersion = root.readAttribute("/sys/module/" + module + "/version").value_or("");
        const auto vram = root.readInteger(device + "/mem_info_vram_total");
        card.vram = vram && *vram > 0 ? static_cast<std::uint64_t>(*vram) : 0;
        cards.push_back(std::move(card));
    }
    return cards;
}

std::vector<DisplayMode> parseModesFile(const std::string &text)
{
    std::vector<DisplayMode> modes;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = trim(text.substr(start, end - start));
        start = end + 1;
        char *cursor = nullptr;
        const unsigned long width = std::strtoul(line.c_str(), &cursor, 10);
        if (cursor == line.c_str() || *cursor != 'x')
            continue;
        const char *heightText = cursor + 1;
        const unsigned long height = std::strtoul(heightText, &cursor, 10);
        if (cursor == heightText || (*cursor != '\0' && *cursor != 'i') || width == 0 || height == 0 ||
            width > 65535 || height > 65535)
            continue;
        DisplayMode mode;
        mode.width = static_cast<std::uint32_t>(width);
        mode.height = static_cast<std::uint32_t>(height);
        const bool seen = std::any_of(modes.begin(), modes.end(), [&](const DisplayMode &m) {
            return m.width == mode.width && m.height == mode.height;
        });
        if (!seen)
            modes.push_back(mode);
    }
    return modes;
}

std::vector<DrmConnector> connectedConnectors(const SysRoot &root)
{
    struct Found {
        long card;
        long id;
        std::string name;
    };
    std::vector<Found> found;
    for (const auto &name : root.listDir(kDrm)) {
        const auto dash = name.find('-');
        if (dash == std::string::npos)
            continue;
        const long card = cardNumber(name.substr(0, dash));
        if (card < 0)
            continue;
        // The kernel's connector id keeps its own order (eDP before external ports on laptops).
        const auto id = root.readInteger(kDrm + name + "/connector_id");
        found.push_back({card, id.value_or(-1), name});
    }
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        return std::tie(a.card, a.id, a.name) < std::tie(b.card, b.id, b.name);
    });

    std::vector<DrmConnector> connectors;
    for (const auto &entry : found) {
        const std::string folder = kDrm + entry.name;
        if (root.readAttribute(folder + "/status").value_or("") != "connected")
            continue;
        DrmConnector connector;
        const auto dash = entry.name.find('-');
        connector.card = entry.name.substr(0, dash);
        connector.connector = entry.name.substr(dash + 1);
        // Older kernels have no "enabled" attribute; a connected monitor is then taken as in use.
        connector.enabled = root.readAttribute(folder + "/enabled").value_or("enabled") == "enabled";
        connector.modes = parseModesFile(root.readFile(folder + "/modes", 64 * 1024).value_or(""));
        connector.edid = root.readFile(folder + "/edid", 256 * 128).value_or("");
        connectors.push_back(std::move(connector));
    }
    return connectors;
}

std::size_t primaryConnector(const std::vector<DrmConnector> &connectors)
{
    std::size_t firstEnabled = static_cast<std::size_t>(-1);
    for (std::size_t i = 0; i < connectors.size(); ++i) {
        if (!connectors[i].enabled)
            continue;
        if (isBuiltInPanel(connectors[i].connector))
            return i;
        if (firstEnabled == static_cast<std::size_t>(-1))
            firstEnabled = i;
    }
    return firstEnabled;
}

} // namespace platform::linuxbackend
