#include "update/updaterules.h"

#include <QStringList>

namespace {

QStringList versionParts(QString text)
{
    text = text.trimmed();
    if (text.startsWith(QLatin1Char('v'), Qt::CaseInsensitive))
        text.remove(0, 1);
    const int dash = text.indexOf(QLatin1Char('-'));
    if (dash >= 0)
        text.truncate(dash);
    return text.split(QLatin1Char('.'));
}

qlonglong partValue(const QStringList &parts, int i)
{
    if (i >= parts.size())
        return 0;
    bool ok = false;
    const qlonglong value = parts.at(i).toLongLong(&ok);
    return ok ? value : 0;
}

} // namespace

int compareVersions(const QString &a, const QString &b)
{
    const QStringList left = versionParts(a);
    const QStringList right = versionParts(b);
    const int count = qMax(left.size(), right.size());
    for (int i = 0; i < count; ++i) {
        const qlonglong x = partValue(left, i);
        const qlonglong y = partValue(right, i);
        if (x != y)
            return x > y ? 1 : -1;
    }
    return 0;
}

QString transferSizeText(qint64 bytes)
{
    if (bytes < 1)
        return QString();
    const double mib = double(bytes) / (1024.0 * 1024.0);
    if (mib >= 1.0)
        return QStringLiteral("%1 MB").arg(mib, 0, 'f', 1);
    return QStringLiteral("%1 KB").arg(double(bytes) / 1024.0, 0, 'f', 0);
}

double downloadFraction(qint64 received, qint64 total)
{
    if (total < 1)
        return 0;
    return qBound(0.0, double(received) / double(total), 1.0);
}
