#include "perf/diskspeed.h"

#include <windows.h>

#include <chrono>
#include <cstring>
#include <memory>

namespace {

// Unbuffered I/O needs sector-aligned buffers and sizes; 4096 covers every current sector size.
constexpr std::size_t kSectorAlignment = 4096;

struct VirtualRelease {
    void operator()(char *p) const { VirtualFree(p, 0, MEM_RELEASE); }
};
using Block = std::unique_ptr<char, VirtualRelease>;

struct HandleCloser {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

FileHandle openFile(const std::wstring &path, DWORD access, DWORD creation, DWORD flags)
{
    const HANDLE h = CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr, creation, flags, nullptr);
    return FileHandle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

std::wstring widePath(const std::string &utf8)
{
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    return wide;
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double mibPerSecond(std::uint64_t bytes, double seconds)
{
    return seconds > 0 ? static_cast<double>(bytes) / (1024.0 * 1024.0) / seconds : 0;
}

} // namespace

DiskSpeed measureDiskSpeed(const std::string &utf8Path, std::uint64_t totalBytes, std::size_t blockBytes,
                           const std::atomic<bool> &cancel)
{
    DiskSpeed speed;
    if (blockBytes == 0 || blockBytes > 0xFFFFFFFFu)
        return speed;
    Block block(
        static_cast<char *>(VirtualAlloc(nullptr, blockBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)));
    if (!block)
        return speed;
    std::memset(block.get(), 'H', blockBytes);
    const DWORD chunk = static_cast<DWORD>(blockBytes);
    const std::wstring path = widePath(utf8Path);
    // Without the cache manager every write goes to the device and every read comes from it.
    const DWORD uncached = blockBytes % kSectorAlignment == 0 ? FILE_FLAG_NO_BUFFERING : 0;

    if (FileHandle file = openFile(path, GENERIC_WRITE, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH | uncached)) {
        const auto start = std::chrono::steady_clock::now();
        std::uint64_t written = 0;
        while (written < totalBytes && !cancel.load()) {
            DWORD done = 0;
            if (!WriteFile(file.get(), block.get(), chunk, &done, nullptr) || done < chunk)
                break;
            written += chunk;
        }
        const bool flushed = FlushFileBuffers(file.get()) != 0;
        file.reset();
        const double seconds = secondsSince(start);
        if (flushed) {
            speed.writtenBytes = written;
            speed.writeMiBps = mibPerSecond(written, seconds);
        }
    }

    if (FileHandle file = openFile(path, GENERIC_READ, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN | uncached)) {
        const auto start = std::chrono::steady_clock::now();
        std::uint64_t total = 0;
        while (!cancel.load()) {
            DWORD done = 0;
            if (!ReadFile(file.get(), block.get(), chunk, &done, nullptr) || done == 0)
                break;
            total += done;
        }
        file.reset();
        const double seconds = secondsSince(start);
        speed.readBytes = total;
        speed.readMiBps = mibPerSecond(total, seconds);
    }

    DeleteFileW(path.c_str());
    return speed;
}
