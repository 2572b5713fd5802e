#include "app/hardexit.h"

#include "app/startuplog.h"

#include <cstdio>
#include <cstdlib>

void exitWithoutWaiting(int code)
{
    std::fflush(stdout);
    std::_Exit(code);
}

void endAfterScanTimeout()
{
    appendStartupLog(QStringLiteral("FAILED: no scan result within 60 s"));
    exitWithoutWaiting(2);
}
