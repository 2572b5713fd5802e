#include "platform/linux/adapter_names.h"

#include <cctype>

namespace platform::linuxbackend {

namespace {

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

std::string adapterName(const HardwareNames &names)
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
