#include "platform/linux/sysroot.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::linuxbackend {

std::string trim(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

SysRoot::SysRoot(std::string root) : root_(std::move(root))
{
    while (root_.size() > 1 && root_.back() == '/')
        root_.pop_back();
    if (root_.empty())
        root_ = "/";
    live_ = root_ == "/";
}

SysRoot SysRoot::fromEnvironment()
{
    const char *value = std::getenv("KELVARO_SYSROOT");
    return SysRoot(value && *value ? value : "/");
}

std::string SysRoot::path(const std::string &absolute) const
{
    return live_ ? absolute : root_ + absolute;
}

std::optional<std::string> SysRoot::readFile(const std::string &absolute, std::size_t maxBytes) const
{
    const int fd = ::open(path(absolute).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    std::string data;
    char buffer[4096];
    bool failed = false;
    while (data.size() < maxBytes) {
        const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, maxBytes - data.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            failed = true;
            break;
        }
        if (n == 0)
            break;
        data.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (failed)
        return std::nullopt;
    return data;
}

std::optional<std::string> SysRoot::readAttribute(const std::string &absolute) const
{
    auto data = readFile(absolute, 64 * 1024);
    if (!data)
        return std::nullopt;
    const auto end = data->find('\n');
    std::string line = trim(end == std::string::npos ? *data : data->substr(0, end));
    if (line.empty())
        return std::nullopt;
    return line;
}

std::optional<long long> SysRoot::readInteger(const std::string &absolute) const
{
    const auto text = readAttribute(absolute);
    if (!text)
        return std::nullopt;
    errno = 0;
    char *end = nullptr;
    const long long value = std::strtoll(text->c_str(), &end, 10);
    if (errno != 0 || end == text->c_str() || *end != '\0')
        return std::nullopt;
    return value;
}

std::vector<std::string> SysRoot::listDir(const std::string &absolute) const
{
    std::vector<std::string> names;
    DIR *dir = ::opendir(path(absolute).c_str());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

bool SysRoot::exists(const std::string &absolute) const
{
    struct stat info {};
    return ::stat(path(absolute).c_str(), &info) == 0;
}

std::string SysRoot::linkName(const std::string &absolute) const
{
    char target[PATH_MAX];
    const ssize_t n = ::readlink(path(absolute).c_str(), target, sizeof target - 1);
    if (n <= 0)
        return {};
    const std::string text(target, static_cast<std::size_t>(n));
    const auto slash = text.find_last_of('/');
    return slash == std::string::npos ? text : text.substr(slash + 1);
}

} // namespace platform::linuxbackend
