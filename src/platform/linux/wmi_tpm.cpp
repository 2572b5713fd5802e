#include "platform/linux/system_classes.h"

#include <cctype>

namespace platform::linuxbackend {

namespace {

// The first "d.d" after a marker ("TCG version: 1.2", "TPM 2.0 Device"); empty when none.
std::string versionAfter(const std::string &text, const std::string &marker)
{
    const auto at = text.find(marker);
    if (at == std::string::npos)
        return {};
    std::size_t i = at + marker.size();
    while (i < text.size() && (text[i] == ' ' || text[i] == ':'))
        ++i;
    const std::size_t start = i;
    while (i < text.size() && (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.'))
        ++i;
    const std::string version = text.substr(start, i - start);
    return version.find('.') != std::string::npos &&
                   std::isdigit(static_cast<unsigned char>(version.front())) &&
                   std::isdigit(static_cast<unsigned char>(version.back()))
               ? version
               : std::string();
}

std::string tpmFamily(const SysRoot &root)
{
    const std::string base = "/sys/class/tpm/tpm0/";
    if (const auto major = root.readInteger(base + "tpm_version_major")) {
        if (*major == 2)
            return "2.0";
        if (*major == 1)
            return "1.2";
    }
    for (const char *caps : {"caps", "device/caps"}) {
        if (const auto text = root.readFile(base + caps, 4096)) {
            if (auto version = versionAfter(*text, "TCG version"); !version.empty())
                return version;
        }
    }
    if (const auto description = root.readAttribute(base + "device/description"))
        return versionAfter(*description, "TPM");
    return {};
}

} // namespace

// Linux tells the TPM family but not the level and revision that Windows lists
// after it, so SpecVersion holds the family alone.
Rows tpmRows(const SysRoot &root)
{
    const std::string family = tpmFamily(root);
    if (family.empty())
        return {};
    return {Row{{"SpecVersion", family}}};
}

} // namespace platform::linuxbackend
