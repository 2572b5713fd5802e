#include "perf/diskspeed.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <new>
#include <unistd.h>

namespace {

constexpr std::size_t kDirectAlignment = 4096;

struct AlignedDelete {
    void operator()(char *p) const { ::operator delete[](p, std::align_val_t(kDirectAlignment)); }
};
using Block = std::unique_ptr<char[], AlignedDelete>;

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double mibPerSecond(std::uint64_t bytes, double seconds)
{
    return seconds > 0 ? static_cast<double>(bytes) / (1024.0 * 1024.0) / seconds : 0;
}

template <typename Call> ssize_t retrying(Call call)
{
    ssize_t n;
    do
        n = call();
    while (n < 0 && errno == EINTR);
    return n;
}

void writePhase(const std::string &path, std::uint64_t totalBytes, std::size_t blockBytes, const char *block,
                const std::atomic<bool> &cancel, DiskSpeed &speed)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    const auto start = std::chrono::steady_clock::now();
    std::uint64_t written = 0;
    while (written < totalBytes && !cancel.load()) {
        const ssize_t n = retrying([&] { return ::write(fd, block, blockBytes); });
        if (n < static_cast<ssize_t>(blockBytes))
            break;
        written += blockBytes;
    }
    // Until fsync returns the data may only be in the page cache.
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    const double seconds = secondsSince(start);
    if (synced) {
        speed.writtenBytes = written;
        speed.writeMiBps = mibPerSecond(written, seconds);
    }
}

// Direct reads skip the page cache. File systems without them (tmpfs, some FUSE) get this
// file dropped from the cache instead, which works because the data was synced.
int openUncached(const std::string &path, bool direct)
{
    if (direct) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_DIRECT);
        if (fd >= 0)
            return fd;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0)
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    return fd;
}

void readPhase(const std::string &path, std::size_t blockBytes, char *block, const std::atomic<bool> &cancel,
               DiskSpeed &speed)
{
    bool direct = blockBytes % kDirectAlignment == 0;
    int fd = openUncached(path, direct);
    if (fd < 0)
        return;
    auto start = std::chrono::steady_clock::now();
    std::uint64_t total = 0;
    while (!cancel.load()) {
        const ssize_t n = retrying([&] { return ::read(fd, block, blockBytes); });
        if (n < 0 && errno == EINVAL && direct && total == 0) {
            // The device wants a larger alignment than the open promised.
            ::close(fd);
            direct = false;
            fd = openUncached(path, false);
            if (fd < 0)
                return;
            start = std::chrono::steady_clock::now();
            continue;
        }
        if (n <= 0)
            break;
        total += static_cast<std::uint64_t>(n);
    }
    ::close(fd);
    const double seconds = secondsSince(start);
    speed.readBytes = total;
    speed.readMiBps = mibPerSecond(total, seconds);
}

} // namespace

DiskSpeed measureDiskSpeed(const std::string &utf8Path, std::uint64_t totalBytes, std::size_t blockBytes,
                           const std::atomic<bool> &cancel)
{
    DiskSpeed speed;
    if (blockBytes == 0)
        return speed;
    Block block(new (std::align_val_t(kDirectAlignment), std::nothrow) char[blockBytes]);
    if (!block)
        return speed;
    std::memset(block.get(), 'H', blockBytes);
    writePhase(utf8Path, totalBytes, blockBytes, block.get(), cancel, speed);
    readPhase(utf8Path, blockBytes, block.get(), cancel, speed);
    ::unlink(utf8Path.c_str());
    return speed;
}
