#include "platform/linux/adapter_names.h"
#include "platform/linux/drm_adapters.h"
#include "platform/linux/drm_sysfs.h"
#include "platform/linux/linux_source.h"
#include "platform/text.h"

#include <cstdio>

namespace platform::linuxbackend {

namespace {

// Drivers that only put a firmware framebuffer or a virtual output on screen.
bool isSoftwareDriver(const std::string &driver)
{
    for (const char *name : {"simpledrm", "simple-framebuffer", "ofdrm", "efidrm", "vesadrm", "vkms"}) {
        if (driver == name)
            return true;
    }
    return false;
}

std::string pciIdText(std::uint16_t vendor, std::uint16_t device)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04x:%04x", vendor, device);
    return text;
}

} // namespace

std::vector<DrmAdapter> drmAdapters(const SysRoot &root)
{
    std::vector<DrmAdapter> adapters;
    for (const DrmCard &card : drmCards(root)) {
        DrmAdapter adapter;
        adapter.card = card.name;
        adapter.driverVersion = text::validUtf8WithoutControlsTrimmed(card.driverVersion);
        adapter.vram = card.vram;
        adapter.software = isSoftwareDriver(card.driver);
        if (card.pci) {
            // The ID list is a file like any other below the root: only its printable text counts.
            HardwareNames names = pciNames(root, card.vendorId, card.deviceId);
            names.vendor = text::validUtf8WithoutControlsTrimmed(names.vendor);
            names.device = text::validUtf8WithoutControlsTrimmed(names.device);
            adapter.vendor = names.vendor;
            adapter.processor = names.device;
            adapter.name = adapterName(names);
            // An adapter the ID list does not know still needs a name a technician can look up.
            if (adapter.name.empty()) {
                const std::string ids = pciIdText(card.vendorId, card.deviceId);
                adapter.name = card.driver.empty() ? ids : card.driver + " (" + ids + ")";
            }
        }
        if (adapter.name.empty())
            adapter.name = card.driver.empty() ? card.name : card.driver;
        adapters.push_back(std::move(adapter));
    }
    return adapters;
}

std::vector<GraphicsAdapter> LinuxSource::graphicsAdapters()
{
    std::vector<GraphicsAdapter> out;
    for (const DrmAdapter &adapter : drmAdapters(root_)) {
        GraphicsAdapter entry;
        entry.description = adapter.name;
        entry.dedicatedVideoMemory = adapter.vram;
        entry.flags = adapter.software ? GraphicsAdapter::kSoftware : 0u;
        out.push_back(std::move(entry));
    }
    return out;
}

} // namespace platform::linuxbackend
