// The Linux readers over a system tree built from the input. A tree is text: "@@ path" on a line
// of its own starts a file whose bytes run to the next such line, "@@x path" a file written in
// hexadecimal, "@@> path target" a symbolic link. Paths are below the tree's root.
#include "platform/linux/block_disks.h"
#include "platform/linux/cpu_info.h"
#include "platform/linux/drm_sysfs.h"
#include "platform/linux/net_interfaces.h"
#include "platform/linux/net_routes.h"
#include "platform/linux/os_release.h"
#include "platform/linux/power_status.h"
#include "platform/linux/power_supplies.h"
#include "platform/linux/procfs_parse.h"
#include "platform/linux/smbios_table.h"
#include "platform/linux/sysroot.h"
#include "platform/linux/wmi_classes.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

using namespace platform::linuxbackend;

namespace {

namespace fs = std::filesystem;

const fs::path &treeRoot()
{
    static const fs::path root = fs::path(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") /
                                 ("kelvaro-fuzz-" + std::to_string(getpid()));
    return root;
}

// Links are removed, never followed.
void clearTree()
{
    std::error_code ignored;
    fs::remove_all(treeRoot(), ignored);
}

// Nothing may leave the tree: no absolute paths, no way up.
bool safePath(const std::string &path)
{
    return !path.empty() && path[0] != '/' && path.find("..") == std::string::npos &&
           path.find('\0') == std::string::npos && path.size() < 512;
}

// Pairs of hexadecimal digits; anything else between them is skipped.
std::string fromHex(const std::string &text)
{
    std::string digits, bytes;
    for (const char c : text) {
        if (std::isxdigit(static_cast<unsigned char>(c)))
            digits += c;
    }
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
        bytes += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
    return bytes;
}

// Links may point anywhere, as in sysfs: nothing is made below one that leads out of the tree, and
// no file is written through one.
bool landsInsideTree(const fs::path &path)
{
    std::error_code error, notFound;
    if (fs::is_symlink(fs::symlink_status(path, notFound)))
        return false;
    const fs::path root = fs::weakly_canonical(treeRoot(), error);
    const fs::path parent = fs::weakly_canonical(path.parent_path(), error);
    return !error &&
           std::mismatch(root.begin(), root.end(), parent.begin(), parent.end()).first == root.end();
}

void addEntry(const std::string &header, const std::string &content)
{
    const bool hex = header.rfind("x ", 0) == 0;
    const bool link = header.rfind("> ", 0) == 0;
    const std::size_t skip = hex || link ? 2 : 1;
    if (header.size() <= skip)
        return;
    std::string name = header.substr(skip);
    std::string target;
    if (link) {
        const std::size_t space = name.find(' ');
        if (space == std::string::npos)
            return;
        target = name.substr(space + 1);
        name.resize(space);
        if (target.empty() || target[0] == '/')
            return;
    }
    if (!safePath(name))
        return;
    const fs::path path = treeRoot() / name;
    if (!landsInsideTree(path))
        return;
    std::error_code ignored;
    fs::create_directories(path.parent_path(), ignored);
    if (link) {
        (void)symlink(target.c_str(), path.c_str());
        return;
    }
    if (FILE *file = std::fopen(path.c_str(), "wb")) {
        const std::string bytes = hex ? fromHex(content) : content;
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

void buildTree(const std::string &input)
{
    clearTree();
    std::error_code ignored;
    fs::create_directories(treeRoot(), ignored);
    std::size_t at = input.rfind("@@", 0) == 0 ? 0 : input.find("\n@@");
    if (at != std::string::npos && at != 0)
        ++at;
    while (at != std::string::npos) {
        const std::size_t lineEnd = input.find('\n', at);
        const std::string header =
            input.substr(at + 2, lineEnd == std::string::npos ? std::string::npos : lineEnd - at - 2);
        std::size_t next = lineEnd == std::string::npos ? std::string::npos : input.find("\n@@", lineEnd);
        const std::size_t contentStart = lineEnd == std::string::npos ? input.size() : lineEnd + 1;
        const std::size_t contentEnd = next == std::string::npos ? input.size() : next;
        addEntry(header, contentStart <= contentEnd ? input.substr(contentStart, contentEnd - contentStart)
                                                    : std::string());
        at = next == std::string::npos ? next : next + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    buildTree(input);
    const SysRoot root(treeRoot().string());

    // Every WMI class the backend answers, then the other questions that files answer.
    for (const WmiClass &wmiClass : wmiClasses())
        (void)wmiClass.provide(root);
    const auto supplies = readPowerSupplies(root);
    (void)derivePowerStatus(supplies);
    (void)readNetInterfaces(root);
    (void)defaultGateways(root);
    (void)dnsServers(root);
    (void)readSmbiosTable(root);
    (void)connectedConnectors(root);
    for (const BlockDisk &disk : listWholeDisks(root)) {
        (void)identifyFromVpd(root, disk);
        (void)nvmeController(root, disk);
    }
    if (const auto stat = root.readFile("/proc/stat"))
        (void)parseProcStat(*stat, 100);
    if (const auto meminfo = root.readFile("/proc/meminfo"))
        (void)parseMemInfo(*meminfo);
    if (const auto cpuinfo = root.readFile("/proc/cpuinfo"))
        (void)cpuPackages(root, parseCpuInfo(*cpuinfo));
    // libFuzzer may end the process without running exit handlers: leave no tree behind.
    clearTree();
    return 0;
}
