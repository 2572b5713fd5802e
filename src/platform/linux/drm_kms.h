#pragma once

#include "platform/source.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform::linuxbackend {

// What the kernel's mode setting says about one connector of a live system.
struct KmsConnector {
    std::optional<DisplayMode> current; // the mode its CRTC scans out, when it drives one
    std::vector<DisplayMode> modes;     // the modes last probed, with their refresh rates
};

// Connectors of one DRM device node ("/dev/dri/card0"), keyed by their sysfs name ("eDP-1").
// Empty when the node cannot be opened or does no mode setting; a connector that vanishes while
// it is read is left out. Only meaningful on a live root.
std::map<std::string, KmsConnector> readKmsConnectors(const std::string &devicePath);

} // namespace platform::linuxbackend
