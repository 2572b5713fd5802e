// Crashes on purpose after installing the crash capture, so a test can read the log it leaves.
#include "app/crashcapture.h"
#include "app/startuplog.h"

#include <QString>

#include <csignal>
#include <cstdlib>
#include <cstring>

int main(int argc, char *argv[])
{
    if (argc < 3)
        return 2;
    setStartupLogPath(QString::fromLocal8Bit(argv[1]));
    appendStartupLog(QStringLiteral("about to crash"));
    installCrashCapture();
    if (std::strcmp(argv[2], "abort") == 0)
        std::abort();
    volatile std::uintptr_t address = 0x10; // volatile: the compiler may not see through it
    return *reinterpret_cast<volatile int *>(address);
}
