#pragma once

#include <QByteArray>

// True when a debugger is attached to this process.
bool debuggerAttached();

// The TracerPid field of a /proc/<pid>/status text; 0 when absent or unreadable.
long long tracerPid(const QByteArray &statusText);
