#include "platform/linux/drm_displays.h"
#include "platform/linux/drm_kms.h"
#include "platform/linux/drm_sysfs.h"
#include "platform/linux/linux_source.h"

#include <algorithm>
#include <map>

namespace platform::linuxbackend {

namespace {

std::optional<Edid> decodeEdid(const std::string &bytes)
{
    return parseEdid(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
}

} // namespace

std::vector<DisplayMode> modesWithEdidRates(const std::vector<DisplayMode> &listed,
                                            const std::optional<Edid> &edid)
{
    std::vector<DisplayMode> timed;
    if (edid) {
        for (const EdidTiming &timing : edid->timings) {
            if (timing.interlaced)
                continue;
            DisplayMode mode;
            mode.width = timing.width;
            mode.height = timing.height;
            mode.frequency = timing.refresh;
            timed.push_back(mode);
        }
    }
    if (listed.empty())
        return timed;
    std::vector<DisplayMode> modes;
    for (const DisplayMode &size : listed) {
        bool rated = false;
        for (const DisplayMode &mode : timed) {
            const bool repeat = std::any_of(modes.begin(), modes.end(), [&](const DisplayMode &m) {
                return m.width == mode.width && m.height == mode.height && m.frequency == mode.frequency;
            });
            if (mode.width == size.width && mode.height == size.height && !repeat) {
                modes.push_back(mode);
                rated = true;
            }
        }
        if (!rated)
            modes.push_back(size);
    }
    return modes;
}

std::vector<DrmDisplay> drmDisplays(const SysRoot &root, const std::vector<DrmAdapter> &adapters)
{
    const std::vector<DrmConnector> connectors = connectedConnectors(root);
    const std::size_t primary = primaryConnector(connectors);
    std::map<std::string, std::map<std::string, KmsConnector>> kmsByCard;

    std::vector<DrmDisplay> displays;
    for (std::size_t i = 0; i < connectors.size(); ++i) {
        const DrmConnector &connector = connectors[i];
        DrmDisplay display;
        display.card = connector.card;
        display.connector = connector.connector;
        display.edid = connector.edid;
        DisplayDevice &device = display.device;
        device.deviceName = connector.card + "-" + connector.connector;
        for (const DrmAdapter &adapter : adapters) {
            if (adapter.card == connector.card)
                device.description = adapter.name;
        }
        device.stateFlags = (connector.enabled ? DisplayDevice::kAttachedToDesktop : 0) |
                            (i == primary ? DisplayDevice::kPrimary : 0);

        const KmsConnector *kms = nullptr;
        if (root.isLive()) {
            auto card = kmsByCard.find(connector.card);
            if (card == kmsByCard.end())
                card =
                    kmsByCard.emplace(connector.card, readKmsConnectors("/dev/dri/" + connector.card)).first;
            const auto found = card->second.find(connector.connector);
            if (found != card->second.end())
                kms = &found->second;
        }
        if (kms && connector.enabled)
            device.current = kms->current;
        device.modes = kms && !kms->modes.empty()
                           ? kms->modes
                           : modesWithEdidRates(connector.modes, decodeEdid(connector.edid));
        displays.push_back(std::move(display));
    }
    return displays;
}

std::vector<DisplayDevice> LinuxSource::displayDevices()
{
    std::vector<DisplayDevice> devices;
    for (DrmDisplay &display : drmDisplays(root_, drmAdapters(root_)))
        devices.push_back(std::move(display.device));
    return devices;
}

} // namespace platform::linuxbackend
