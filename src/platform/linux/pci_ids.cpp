#include "platform/linux/pci_ids.h"

#include <cctype>
#include <fstream>

namespace platform::linuxbackend {

namespace {

// "8086  Intel Corporation" -> id and name; false when the line does not start with four hex digits.
bool splitEntry(const std::string &line, std::size_t indent, std::uint16_t *id, std::string *name)
{
    if (line.size() < indent + 6)
        return false;
    unsigned value = 0;
    for (std::size_t i = indent; i < indent + 4; ++i) {
        const int c = std::tolower(static_cast<unsigned char>(line[i]));
        if (!std::isxdigit(c))
            return false;
        value = value * 16 + static_cast<unsigned>(std::isdigit(c) ? c - '0' : c - 'a' + 10);
    }
    *id = static_cast<std::uint16_t>(value);
    *name = trim(line.substr(indent + 4));
    return true;
}

bool startsWithIgnoringCase(const std::string &text, const std::string &prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

bool endsWith(const std::string &text, const std::string &suffix)
{
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

PciNames lookupPciNames(std::istream &ids, std::uint16_t vendor, std::uint16_t device)
{
    PciNames names;
    bool inVendor = false;
    std::string line;
    while (std::getline(ids, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::uint16_t id = 0;
        std::string name;
        if (line[0] != '\t') {
            if (inVendor || line.compare(0, 2, "C ") == 0)
                break; // past our vendor, or into the device classes
            if (splitEntry(line, 0, &id, &name) && id == vendor) {
                names.vendor = name;
                inVendor = true;
            }
        } else if (inVendor && line.size() > 1 && line[1] != '\t' && splitEntry(line, 1, &id, &name) &&
                   id == device) {
            names.device = name;
            break;
        }
    }
    return names;
}

PciNames lookupPciNames(const SysRoot &root, std::uint16_t vendor, std::uint16_t device)
{
    for (const char *path : {"/usr/share/misc/pci.ids", "/usr/share/hwdata/pci.ids"}) {
        std::ifstream ids(root.path(path));
        if (ids)
            return lookupPciNames(ids, vendor, device);
    }
    return {};
}

std::string shortVendorName(const std::string &vendor)
{
    const auto open = vendor.rfind('[');
    if (open != std::string::npos && endsWith(vendor, "]")) {
        const std::string inner = vendor.substr(open + 1, vendor.size() - open - 2);
        const std::string first = trim(inner.substr(0, inner.find('/')));
        if (!first.empty())
            return first;
    }
    std::string name = vendor;
    for (const char *suffix :
         {" Corporation", " Corp.", ", Inc.", " Inc.", " Co., Ltd.", " Ltd.", " GmbH", " Limited"}) {
        if (endsWith(name, suffix)) {
            name.erase(name.size() - std::string(suffix).size());
            break;
        }
    }
    return trim(name);
}

std::string adapterName(const PciNames &names)
{
    std::string product = names.device;
    const auto open = product.rfind('[');
    if (open != std::string::npos && endsWith(product, "]")) {
        const std::string inner = trim(product.substr(open + 1, product.size() - open - 2));
        if (!inner.empty())
            product = inner;
    }
    if (product.empty())
        return {};
    const std::string maker = shortVendorName(names.vendor);
    if (maker.empty() || startsWithIgnoringCase(product, maker))
        return product;
    return maker + " " + product;
}

} // namespace platform::linuxbackend
