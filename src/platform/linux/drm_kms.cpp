#include "platform/linux/drm_kms.h"

#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <xf86drm.h>
#include <xf86drmMode.h>

namespace platform::linuxbackend {

namespace {

// The kernel's names for connector types, as they appear in /sys/class/drm.
std::string connectorTypeName(std::uint32_t type)
{
    static const char *const names[] = {"Unknown",   "VGA",  "DVI-I",     "DVI-D",   "DVI-A", "Composite",
                                        "SVIDEO",    "LVDS", "Component", "DIN",     "DP",    "HDMI-A",
                                        "HDMI-B",    "TV",   "eDP",       "Virtual", "DSI",   "DPI",
                                        "Writeback", "SPI",  "USB"};
    return type < sizeof names / sizeof names[0] ? names[type] : "Unknown";
}

std::uint32_t refreshOf(const drmModeModeInfo &mode)
{
    if (mode.vrefresh != 0)
        return mode.vrefresh;
    const std::uint64_t total = static_cast<std::uint64_t>(mode.htotal) * mode.vtotal;
    if (total == 0)
        return 0;
    return static_cast<std::uint32_t>((mode.clock * 1000ull + total / 2) / total);
}

DisplayMode modeOf(const drmModeModeInfo &info)
{
    DisplayMode mode;
    mode.width = info.hdisplay;
    mode.height = info.vdisplay;
    mode.frequency = refreshOf(info);
    return mode;
}

struct FileDescriptor {
    int fd;
    ~FileDescriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

template <typename T, void (*Free)(T *)> struct Deleter {
    void operator()(T *p) const { Free(p); }
};
using Resources = std::unique_ptr<drmModeRes, Deleter<drmModeRes, drmModeFreeResources>>;
using Connector = std::unique_ptr<drmModeConnector, Deleter<drmModeConnector, drmModeFreeConnector>>;
using Encoder = std::unique_ptr<drmModeEncoder, Deleter<drmModeEncoder, drmModeFreeEncoder>>;
using Crtc = std::unique_ptr<drmModeCrtc, Deleter<drmModeCrtc, drmModeFreeCrtc>>;
using FrameBuffer = std::unique_ptr<drmModeFB, Deleter<drmModeFB, drmModeFreeFB>>;

std::optional<DisplayMode> currentMode(int fd, const drmModeConnector &connector)
{
    if (connector.encoder_id == 0)
        return std::nullopt;
    const Encoder encoder(drmModeGetEncoder(fd, connector.encoder_id));
    if (!encoder || encoder->crtc_id == 0)
        return std::nullopt;
    const Crtc crtc(drmModeGetCrtc(fd, encoder->crtc_id));
    if (!crtc || !crtc->mode_valid)
        return std::nullopt;
    DisplayMode mode = modeOf(crtc->mode);
    if (crtc->buffer_id != 0) {
        if (const FrameBuffer fb{drmModeGetFB(fd, crtc->buffer_id)})
            mode.bitsPerPixel = fb->bpp;
    }
    return mode;
}

} // namespace

std::map<std::string, KmsConnector> readKmsConnectors(const std::string &devicePath)
{
    std::map<std::string, KmsConnector> connectors;
    FileDescriptor device{::open(devicePath.c_str(), O_RDWR | O_CLOEXEC)};
    if (device.fd < 0)
        device.fd = ::open(devicePath.c_str(), O_RDONLY | O_CLOEXEC);
    if (device.fd < 0)
        return connectors;
    const Resources resources(drmModeGetResources(device.fd));
    if (!resources)
        return connectors;
    for (int i = 0; i < resources->count_connectors; ++i) {
        // The cached state: asking for a fresh probe could light up or stall a sleeping output.
        const Connector connector(drmModeGetConnectorCurrent(device.fd, resources->connectors[i]));
        if (!connector)
            continue;
        KmsConnector entry;
        for (int m = 0; m < connector->count_modes; ++m)
            entry.modes.push_back(modeOf(connector->modes[m]));
        entry.current = currentMode(device.fd, *connector);
        connectors[connectorTypeName(connector->connector_type) + "-" +
                   std::to_string(connector->connector_type_id)] = std::move(entry);
    }
    return connectors;
}

} // namespace platform::linuxbackend
