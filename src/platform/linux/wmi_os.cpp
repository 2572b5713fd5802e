#include "platform/linux/os_release.h"
#include "platform/linux/system_classes.h"

#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/utsname.h>

namespace platform::linuxbackend {

namespace {

std::string bitness(const std::string &architecture)
{
    static const char *const wide[] = {"x86_64",      "aarch64", "ppc64",   "ppc64le", "riscv64", "s390x",
                                       "loongarch64", "mips64",  "sparc64", "alpha",   "ia64"};
    static const char *const narrow[] = {"i386",   "i486", "i586", "i686", "armv6l",  "armv7l",
                                         "armv8l", "arm",  "mips", "ppc",  "riscv32", "s390"};
    for (const char *name : wide) {
        if (architecture == name)
            return "64-bit";
    }
    for (const char *name : narrow) {
        if (architecture == name)
            return "32-bit";
    }
    return {};
}

// When the root file system was made, which for an installed system is the day of installation.
// Only the live root has such a time; a recorded tree does not keep it.
std::string installDate(const SysRoot &root)
{
    if (!root.isLive())
        return {};
    struct statx info {};
    if (statx(AT_FDCWD, "/", 0, STATX_BTIME, &info) != 0 || !(info.stx_mask & STATX_BTIME))
        return {};
    const std::time_t seconds = static_cast<std::time_t>(info.stx_btime.tv_sec);
    if (seconds <= 0 || seconds > std::time(nullptr))
        return {};
    std::tm utc{};
    if (!gmtime_r(&seconds, &utc))
        return {};
    char text[32];
    if (std::strftime(text, sizeof text, "%Y%m%d%H%M%S.000000+000", &utc) == 0)
        return {};
    return text;
}

} // namespace

std::string machineArchitecture(const SysRoot &root)
{
    if (const auto arch = root.readAttribute("/proc/sys/kernel/arch"))
        return *arch;
    if (!root.isLive())
        return {};
    utsname name{};
    return uname(&name) == 0 ? std::string(name.machine) : std::string();
}

Rows operatingSystemRows(const SysRoot &root)
{
    Row row;
    auto release = root.readFile("/etc/os-release", 64 * 1024);
    if (!release)
        release = root.readFile("/usr/lib/os-release", 64 * 1024);
    if (release) {
        const auto fields = parseOsRelease(*release);
        const auto pretty = fields.find("PRETTY_NAME");
        const auto name = fields.find("NAME");
        if (pretty != fields.end() && !pretty->second.empty())
            row["Caption"] = pretty->second;
        else if (name != fields.end() && !name->second.empty())
            row["Caption"] = name->second;
        if (const auto version = fields.find("VERSION_ID");
            version != fields.end() && !version->second.empty())
            row["Version"] = version->second;
    }
    if (const auto kernel = root.readAttribute("/proc/sys/kernel/osrelease"))
        row["BuildNumber"] = *kernel;
    if (const auto bits = bitness(machineArchitecture(root)); !bits.empty())
        row["OSArchitecture"] = bits;
    if (const auto date = installDate(root); !date.empty())
        row["InstallDate"] = date;
    if (row.empty())
        return {};
    return {row};
}

} // namespace platform::linuxbackend
