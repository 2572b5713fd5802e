#include "app/debuggercheck.h"

#include <QList>

long long tracerPid(const QByteArray &statusText)
{
    const QList<QByteArray> lines = statusText.split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("TracerPid:"))
            return line.mid(10).trimmed().toLongLong();
    }
    return 0;
}
