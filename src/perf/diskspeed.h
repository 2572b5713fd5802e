#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>

// Sequential write and read speed of the device behind a file. The write is timed until
// the data has reached stable storage and the read bypasses the file cache, so a slow disk
// is not reported at memory speed. Plain C++: the Windows file is checked by the cross compiler.
struct DiskSpeed {
    std::uint64_t writtenBytes = 0;
    std::uint64_t readBytes = 0;
    double writeMiBps = 0; // 0 when the file could not be created or nothing was written
    double readMiBps = 0;  // 0 when the file could not be opened or nothing was read
};

// The path is UTF-8 on Windows and in the file system's encoding elsewhere.
// Writes blocks of 'H' until totalBytes (or a short write), reads the file back, removes it.
// A set cancel flag ends either phase early; the file is still removed.
DiskSpeed measureDiskSpeed(const std::string &path, std::uint64_t totalBytes, std::size_t blockBytes,
                           const std::atomic<bool> &cancel);
