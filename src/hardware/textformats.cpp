#include "hardware/textformats.h"

QString sizeText(quint64 bytes)
{
    if (bytes == 0)
        return {};
    const double gigabytes = static_cast<double>(bytes) / 1073741824.0;
    if (gigabytes >= 1000.0)
        return QStringLiteral("%1 TB").arg(gigabytes / 1024.0, 0, 'f', 2);
    if (gigabytes >= 1.0)
        return QStringLiteral("%1 GB").arg(gigabytes, 0, 'f', gigabytes >= 100.0 ? 0 : 1);
    return QStringLiteral("%1 MB").arg(static_cast<double>(bytes) / 1048576.0, 0, 'f', 0);
}

QString dateText(const QString &wmiDateTime)
{
    if (wmiDateTime.size() < 8)
        return {};
    return QStringLiteral("%1-%2-%3")
        .arg(wmiDateTime.mid(0, 4), wmiDateTime.mid(4, 2), wmiDateTime.mid(6, 2));
}

QString linkSpeedText(quint64 bitsPerSecond)
{
    if (bitsPerSecond == 0)
        return {};
    if (bitsPerSecond >= 1000000000ull) {
        const bool whole = bitsPerSecond % 1000000000ull == 0;
        return QStringLiteral("%1 Gbps").arg(static_cast<double>(bitsPerSecond) / 1e9, 0, 'f', whole ? 0 : 1);
    }
    if (bitsPerSecond < 1000000ull)
        return QStringLiteral("%1 Kbps").arg(static_cast<double>(bitsPerSecond) / 1e3, 0, 'f', 0);
    return QStringLiteral("%1 Mbps").arg(static_cast<double>(bitsPerSecond) / 1e6, 0, 'f', 0);
}
