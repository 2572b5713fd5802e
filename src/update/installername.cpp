#include "update/installername.h"

#include <QRegularExpression>

namespace {

const QString kFallbackName = QStringLiteral("Kelvaro-setup.exe");

bool isDeviceName(const QString &name)
{
    // Windows opens these devices whatever the extension ("CON.exe" is the console), and
    // ignores spaces before the dot.
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[0-9]|LPT[0-9]|CONIN\\$|CONOUT\\$|CLOCK\\$)$"),
        QRegularExpression::CaseInsensitiveOption);
    return device.match(name.section(QLatin1Char('.'), 0, 0).trimmed()).hasMatch();
}

bool isSafeName(const QString &name)
{
    if (name.isEmpty() || name.size() > 200 || name.startsWith(QLatin1Char('.')))
        return false;
    // Windows drops trailing dots and spaces, which would turn "a.exe." into another name.
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("/\\:*?\"<>|").contains(c))
            return false;
    }
    return !isDeviceName(name);
}

} // namespace

QString installerFileName(const QUrl &address)
{
    // Split before decoding, so that an encoded "/" stays inside the segment and is refused.
    const QString path = address.path(QUrl::FullyEncoded);
    const QString segment = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const QString name = QUrl::fromPercentEncoding(segment.toUtf8());
    return isSafeName(name) ? name : kFallbackName;
}
