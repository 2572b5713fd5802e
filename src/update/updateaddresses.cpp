#include "update/updateaddresses.h"

#ifndef KELVARO_UPDATE_BASE_URL
#define KELVARO_UPDATE_BASE_URL ""
#endif

namespace {

QString withoutTrailingSlash(QString base)
{
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base;
}

} // namespace

QString builtInUpdateBase()
{
    return QStringLiteral(KELVARO_UPDATE_BASE_URL);
}

QUrl manifestAddress(const QString &base, const QString &override, qint64 nowMs)
{
    QUrl address;
    if (!override.trimmed().isEmpty())
        address = QUrl(override.trimmed());
    else if (!base.isEmpty())
        address = QUrl(withoutTrailingSlash(base) + QStringLiteral("/Download/Kelvaro-latest.json"));
    if (address.isValid() && !address.isEmpty())
        address.setQuery(QStringLiteral("t=%1").arg(nowMs));
    return address;
}

QUrl downloadPageAddress(const QString &base)
{
    if (base.isEmpty())
        return QUrl();
    return QUrl(withoutTrailingSlash(base) + QStringLiteral("/Download"));
}
