#include "check.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

int secureBootFixture(const char *expected); // tst_system.cpp
int wirelessWithoutLibraries();              // tst_devices.cpp

namespace check {

namespace {

struct Case {
    const char *name;
    CaseFunction function;
};

std::vector<Case> &cases()
{
    static std::vector<Case> all;
    return all;
}

int failures = 0;
const char *running = "";

// A crash anywhere, on any thread, ends the run with a failure instead of a debugger or a hang.
LONG WINAPI crashed(EXCEPTION_POINTERS *info)
{
    const EXCEPTION_RECORD *record = info ? info->ExceptionRecord : nullptr;
    void *address = record ? record->ExceptionAddress : nullptr;
    char module[MAX_PATH] = "?";
    HMODULE handle = nullptr;
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                               GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           static_cast<LPCSTR>(address), &handle))
        GetModuleFileNameA(handle, module, sizeof module);
    std::fprintf(stderr, "CRASH in %s: exception 0x%08lx at %p in %s\n", running,
                 record ? record->ExceptionCode : 0ul, address, module);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

} // namespace

Register::Register(const char *name, CaseFunction function)
{
    cases().push_back({name, function});
}

void fail(const char *file, int line, const std::string &message)
{
    ++failures;
    std::printf("  %s:%d: %s\n", file, line, message.c_str());
}

} // namespace check

// No arguments: every case. A case name: that case. "secure-boot EXPECTED": the registry fixture
// check, run once per fixture by run.sh. "without-wireless": the WLAN and Bluetooth calls with their
// libraries disabled by run.sh.
int main(int argc, char **argv)
{
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(check::crashed);
    std::setvbuf(stdout, nullptr, _IONBF, 0);

    if (argc == 3 && std::strcmp(argv[1], "secure-boot") == 0)
        return secureBootFixture(argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "without-wireless") == 0)
        return wirelessWithoutLibraries();

    int run = 0;
    int failed = 0;
    for (const check::Case &c : check::cases()) {
        if (argc > 1 && std::strcmp(argv[1], c.name) != 0)
            continue;
        const int before = check::failures;
        check::running = c.name;
        c.function();
        ++run;
        const bool passed = check::failures == before;
        failed += passed ? 0 : 1;
        std::printf("%s %s\n", passed ? "PASS" : "FAIL", c.name);
    }
    std::printf("%d cases, %d failed\n", run, failed);
    return run > 0 && failed == 0 ? 0 : 1;
}
