#pragma once

#include "platform/edid.h"
#include "platform/linux/drm_adapters.h"
#include "platform/source.h"

#include <optional>
#include <string>
#include <vector>

namespace platform::linuxbackend {

// A connector with a monitor, as display device and with its monitor's EDID.
struct DrmDisplay {
    std::string card;      // "card0"
    std::string connector; // "eDP-1"
    DisplayDevice device;
    std::string edid; // raw bytes, empty when the monitor gave none
};

// Every connected connector in enumeration order; enabled ones are attached to the desktop.
// Modes and the current mode come from kernel mode setting on a live root; a recorded root
// has only the modes file, with refresh rates taken from the EDID's detailed timings.
std::vector<DrmDisplay> drmDisplays(const SysRoot &root, const std::vector<DrmAdapter> &adapters);

// The modes file's sizes with the refresh rates the EDID's detailed timings give for them
// (0 for a size it does not time); the EDID's timings alone when the file listed nothing.
std::vector<DisplayMode> modesWithEdidRates(const std::vector<DisplayMode> &listed,
                                            const std::optional<Edid> &edid);

} // namespace platform::linuxbackend
