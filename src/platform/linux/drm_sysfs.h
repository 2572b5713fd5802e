#pragma once

#include "platform/linux/sysroot.h"
#include "platform/source.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform::linuxbackend {

// One DRM card as /sys/class/drm/cardN describes it.
struct DrmCard {
    std::string name; // "card0"
    bool pci = false;
    std::uint16_t vendorId = 0, deviceId = 0;
    std::string driver;        // "i915"; empty when no driver is bound
    std::string driverVersion; // the module's version where the module exposes one
    std::uint64_t vram = 0;    // bytes, only where the driver tells (amdgpu)
};

// One connector with a monitor plugged in.
struct DrmConnector {
    std::string card;               // "card0"
    std::string connector;          // "eDP-1"
    bool enabled = false;           // lit, part of the desktop
    std::vector<DisplayMode> modes; // the modes file; frequencies unknown (0)
    std::string edid;               // raw bytes; empty when the monitor gave none
};

// Cards in number order.
std::vector<DrmCard> drmCards(const SysRoot &root);
// Connected connectors, by card number and then as the kernel numbered them. A connector that
// vanishes while it is read (no status any more) is left out.
std::vector<DrmConnector> connectedConnectors(const SysRoot &root);

// "1920x1080" lines, "i" marking interlaced ones; unreadable lines are skipped, repeats kept once.
std::vector<DisplayMode> parseModesFile(const std::string &text);

// The primary display among the connectors: the first enabled built-in panel (eDP, LVDS, DSI),
// otherwise the first enabled connector; npos when none is enabled.
std::size_t primaryConnector(const std::vector<DrmConnector> &connectors);

} // namespace platform::linuxbackend
