#include "report/newfile.h"

QString numberedName(const QString &stem, const QString &extension, int attempt)
{
    const QString suffix = attempt > 1 ? QStringLiteral("_%1").arg(attempt) : QString();
    return stem + suffix + QLatin1Char('.') + extension;
}
