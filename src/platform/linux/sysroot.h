#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace platform::linuxbackend {

// Every file the Linux backend reads is read below this root: "/" on a live system,
// or the folder named by KELVARO_SYSROOT (recorded trees in the tests).
class SysRoot {
public:
    explicit SysRoot(std::string root);
    static SysRoot fromEnvironment();

    // Only a live root may use sources that are not files (ioctls, netlink, D-Bus, CPUID).
    bool isLive() const { return live_; }
    const std::string &root() const { return root_; }
    std::string path(const std::string &absolute) const;

    // At most maxBytes of a file; nullopt when it cannot be read.
    std::optional<std::string> readFile(const std::string &absolute, std::size_t maxBytes = 1 << 20) const;
    // First line of a sysfs attribute, white space trimmed; nullopt when unreadable or empty.
    std::optional<std::string> readAttribute(const std::string &absolute) const;
    std::optional<long long> readInteger(const std::string &absolute) const;
    // Entry names of a folder, sorted, without "." and ".."; empty when unreadable.
    std::vector<std::string> listDir(const std::string &absolute) const;
    bool exists(const std::string &absolute) const;
    // Last component of a symbolic link's target ("../../nvme0" -> "nvme0"); empty when not a link.
    std::string linkName(const std::string &absolute) const;

private:
    std::string root_;
    bool live_;
};

std::string trim(const std::string &text);

} // namespace platform::linuxbackend
