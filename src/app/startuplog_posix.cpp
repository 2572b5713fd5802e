#include "app/startuplog.h"

#include <QDir>

// "/" is not writable for a user and would be littered for root: the per-user state folder.
QString fallbackStartupLogFolder()
{
    QString base = QString::fromLocal8Bit(qgetenv("XDG_STATE_HOME"));
    if (base.isEmpty()) {
        const QString home = QString::fromLocal8Bit(qgetenv("HOME"));
        base = home.isEmpty() ? QDir::tempPath() : home + QStringLiteral("/.local/state");
    }
    return base + QStringLiteral("/Kelvaro");
}
