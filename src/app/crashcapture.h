#pragma once

#include <cstddef>
#include <cstdint>

// Writes "CRASH code=0x%1 addr=0x%2" to the start-up log when the process dies of a fault,
// then lets the process end. The log path must be set before installing.
void installCrashCapture();

// Exception code of the equivalent Windows fault for a fatal signal, so that field logs read
// the same on both systems (an access violation is c0000005).
std::uint32_t crashCodeForSignal(int signal, int signalCode);

// Formats the whole log line into out without allocating; returns its length (without the
// terminating zero). Safe to call from a signal handler.
std::size_t formatCrashLine(char *out, std::size_t capacity, std::int64_t localSeconds, int milliseconds,
                            std::int64_t processId, std::uint32_t code, std::uintptr_t address);
