#include "app/debuggercheck.h"

#include <QFile>
#include <QList>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

long long tracerPid(const QByteArray &statusText)
{
    const QList<QByteArray> lines = statusText.split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("TracerPid:"))
            return line.mid(10).trimmed().toLongLong();
    }
    return 0;
}

bool debuggerAttached()
{
#ifdef Q_OS_WIN
    return IsDebuggerPresent() != FALSE;
#else
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    return tracerPid(status.readAll()) != 0;
#endif
}
