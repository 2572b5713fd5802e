#include "app/debuggercheck.h"

#include <windows.h>

bool debuggerAttached()
{
    return IsDebuggerPresent() != FALSE;
}
