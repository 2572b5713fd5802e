#include "app/crashcapture.h"

#include "app/startuplog.h"

#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Everything the handler needs is prepared at installation: it may not allocate or lock.
char crashLogPath[4096];
long utcOffsetSeconds = 0;

constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};

void onFatalSignal(int signal, siginfo_t *info, void *)
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const std::uint32_t code = crashCodeForSignal(signal, info ? info->si_code : 0);
    // si_addr means nothing for an abort.
    const std::uintptr_t address =
        (info && signal != SIGABRT) ? reinterpret_cast<std::uintptr_t>(info->si_addr) : 0;

    char line[160];
    const std::size_t length =
        formatCrashLine(line, sizeof line, now.tv_sec + utcOffsetSeconds,
                        static_cast<int>(now.tv_nsec / 1000000), getpid(), code, address);
    if (crashLogPath[0]) {
        const int fd = open(crashLogPath, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
        if (fd >= 0) {
            const ssize_t written = write(fd, line, length);
            (void)written;
            close(fd);
        }
    }
    // End the process the way the signal would have.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    raise(signal);
}

} // namespace

std::uint32_t crashCodeForSignal(int signal, int signalCode)
{
    switch (signal) {
    case SIGSEGV:
        return 0xC0000005u; // access violation
    case SIGBUS:
        return signalCode == BUS_ADRALN ? 0x80000002u  // datatype misalignment
                                        : 0xC0000006u; // in-page error
    case SIGILL:
        return signalCode == ILL_PRVOPC ? 0xC0000096u  // privileged instruction
                                        : 0xC000001Du; // illegal instruction
    case SIGFPE:
        switch (signalCode) {
        case FPE_INTDIV:
            return 0xC0000094u;
        case FPE_INTOVF:
            return 0xC0000095u;
        case FPE_FLTDIV:
            return 0xC000008Eu;
        case FPE_FLTOVF:
            return 0xC0000091u;
        case FPE_FLTUND:
            return 0xC0000093u;
        case FPE_FLTRES:
            return 0xC000008Fu;
        case FPE_FLTINV:
            return 0xC0000090u;
        default:
            return 0xC0000094u;
        }
    case SIGABRT:
        return 0xC0000409u; // fail-fast, what abort() raises on Windows
    default:
        return 0;
    }
}

void installCrashCapture()
{
    const QByteArray path = currentStartupLogPath().toLocal8Bit();
    if (static_cast<std::size_t>(path.size()) < sizeof crashLogPath)
        std::memcpy(crashLogPath, path.constData(), static_cast<std::size_t>(path.size()) + 1);

    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    utcOffsetSeconds = local.tm_gmtoff;

    struct sigaction action {};
    action.sa_sigaction = onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (const int signal : kFatalSignals)
        sigaction(signal, &action, nullptr);
}
