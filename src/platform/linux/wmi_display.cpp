#include "platform/edid.h"
#include "platform/linux/char_codes.h"
#include "platform/linux/drm_adapters.h"
#include "platform/linux/drm_displays.h"
#include "platform/linux/drm_sysfs.h"
#include "platform/linux/wmi_classes.h"

#include <cstdio>
#include <limits>

namespace platform::linuxbackend {

namespace {

void putText(Row &row, const char *name, const std::string &text)
{
    if (!text.empty())
        row[name] = text;
}

void putCodes(Row &row, const char *name, const std::string &text)
{
    IntList codes = charCodes(text);
    if (!codes.empty())
        row[name] = std::move(codes);
}

std::int32_t int32Of(std::uint64_t value)
{
    return static_cast<std::int32_t>(
        std::min<std::uint64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

// The current mode an adapter drives: the primary display's when it is on this card, else the
// first attached display's that has one.
std::optional<DisplayMode> adapterCurrentMode(const std::string &card,
                                              const std::vector<DrmDisplay> &displays)
{
    std::optional<DisplayMode> first;
    for (const DrmDisplay &display : displays) {
        if (display.card != card || !display.device.current)
            continue;
        if (display.device.stateFlags & DisplayDevice::kPrimary)
            return display.device.current;
        if (!first)
            first = display.device.current;
    }
    return first;
}

Rows videoControllers(const SysRoot &root)
{
    const std::vector<DrmAdapter> adapters = drmAdapters(root);
    const std::vector<DrmDisplay> displays = drmDisplays(root, adapters);
    Rows rows;
    for (const DrmAdapter &adapter : adapters) {
        Row row;
        putText(row, "Name", adapter.name);
        putText(row, "AdapterCompatibility", adapter.vendor);
        putText(row, "VideoProcessor", adapter.processor);
        putText(row, "DriverVersion", adapter.driverVersion);
        // A 32-bit property, as on Windows; the full size travels with the adapter list.
        if (adapter.vram != 0)
            row["AdapterRAM"] = static_cast<std::uint32_t>(
                std::min<std::uint64_t>(adapter.vram, std::numeric_limits<std::uint32_t>::max()));
        if (const auto mode = adapterCurrentMode(adapter.card, displays)) {
            row["CurrentHorizontalResolution"] = int32Of(mode->width);
            row["CurrentVerticalResolution"] = int32Of(mode->height);
            if (mode->frequency != 0)
                row["CurrentRefreshRate"] = int32Of(mode->frequency);
            if (mode->bitsPerPixel != 0)
                row["CurrentBitsPerPixel"] = int32Of(mode->bitsPerPixel);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string hex4(std::uint16_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

// One row per monitor attached to the desktop, in the order the display devices list them, so
// that rows and devices pair by position; a monitor without a readable EDID keeps its place
// with a row that names nothing.
template <typename Fill> Rows monitorRows(const SysRoot &root, Fill fill)
{
    Rows rows;
    for (const DrmConnector &connector : connectedConnectors(root)) {
        if (!connector.enabled)
            continue;
        const auto edid =
            parseEdid(reinterpret_cast<const std::uint8_t *>(connector.edid.data()), connector.edid.size());
        const std::string where = connector.card + "-" + connector.connector;
        Row row;
        row["Active"] = true;
        if (edid && !edid->manufacturer.empty())
            row["InstanceName"] = "DISPLAY\\" + edid->manufacturer + hex4(edid->productCode) + "\\" + where;
        else
            row["InstanceName"] = "DISPLAY\\Default_Monitor\\" + where;
        if (edid)
            fill(row, *edid);
        rows.push_back(std::move(row));
    }
    return rows;
}

Rows monitorIds(const SysRoot &root)
{
    return monitorRows(root, [](Row &row, const Edid &edid) {
        putCodes(row, "ManufacturerName", edid.manufacturer);
        putCodes(row, "ProductCodeID", hex4(edid.productCode));
        putCodes(row, "UserFriendlyName", edid.name);
        // Monitors without a serial descriptor may still carry the numeric serial.
        putCodes(row, "SerialNumberID",
                 !edid.serial.empty()     ? edid.serial
                 : edid.serialNumber != 0 ? std::to_string(edid.serialNumber)
                                          : std::string());
        row["YearOfManufacture"] = int32Of(edid.year);
        row["WeekOfManufacture"] = int32Of(edid.week);
    });
}

Rows monitorImageSizes(const SysRoot &root)
{
    return monitorRows(root, [](Row &row, const Edid &edid) {
        row["MaxHorizontalImageSize"] = int32Of(edid.widthCm);
        row["MaxVerticalImageSize"] = int32Of(edid.heightCm);
    });
}

} // namespace

void addDisplayClasses(WmiClassTable &table)
{
    table.push_back({"ROOT\\CIMV2", "Win32_VideoController", videoControllers});
    table.push_back({"ROOT\\WMI", "WmiMonitorID", monitorIds});
    table.push_back({"ROOT\\WMI", "WmiMonitorBasicDisplayParams", monitorImageSizes});
}

} // namespace platform::linuxbackend
