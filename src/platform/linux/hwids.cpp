#include "platform/linux/hwids.h"

#include <cctype>
#include <fstream>

namespace platform::linuxbackend {

namespace {

// "8086  Intel Corporation" -> id and name; false for anything else.
bool parseEntry(const std::string &line, std::size_t indent, std::uint16_t *id, std::string *name)
{
    if (line.size() < indent + 6)
        return false;
    for (std::size_t i = 0; i < indent; ++i) {
        if (line[i] != '\t')
            return false;
    }
    unsigned value = 0;
    for (std::size_t i = indent; i < indent + 4; ++i) {
        const char c = line[i];
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
        value =
            value * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(c))
                                                   ? c - '0'
                                                   : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10);
    }
    if (line[indent + 4] != ' ')
        return false;
    *id = static_cast<std::uint16_t>(value);
    *name = trim(line.substr(indent + 4));
    return true;
}

HardwareNames lookupFirstFile(const SysRoot &root, std::initializer_list<const char *> paths,
                              std::uint16_t vendor, std::uint16_t device)
{
    for (const char *path : paths) {
        std::ifstream ids(root.path(path));
        if (ids)
            return lookupIds(ids, vendor, device);
    }
    return {};
}

} // namespace

HardwareNames lookupIds(std::istream &ids, std::uint16_t vendor, std::uint16_t device)
{
    HardwareNames names;
    std::string line;
    bool inVendor = false;
    std::uint16_t id = 0;
    std::string name;
    while (std::getline(ids, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] != '\t') {
            if (inVendor)
                break;
            // The vendor list ends where the class and other tables begin ("C 00  ...").
            if (!parseEntry(line, 0, &id, &name))
                break;
            if (id == vendor) {
                inVendor = true;
                names.vendor = name;
            }
            continue;
        }
        if (inVendor && parseEntry(line, 1, &id, &name) && id == device) {
            names.device = name;
            break;
        }
    }
    return names;
}

HardwareNames pciNames(const SysRoot &root, std::uint16_t vendor, std::uint16_t device)
{
    return lookupFirstFile(
        root, {"/usr/share/misc/pci.ids", "/usr/share/hwdata/pci.ids", "/usr/share/pci.ids"}, vendor, device);
}

HardwareNames usbNames(const SysRoot &root, std::uint16_t vendor, std::uint16_t device)
{
    return lookupFirstFile(root,
                           {"/usr/share/misc/usb.ids", "/usr/share/hwdata/usb.ids", "/usr/share/usb.ids",
                            "/var/lib/usbutils/usb.ids"},
                           vendor, device);
}

} // namespace platform::linuxbackend
