#include "update/updatemanifest.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

#include <cmath>

namespace {

qint64 byteCount(double value)
{
    // Beyond 2^53 a double no longer holds whole bytes; nothing that large is an installer.
    if (!std::isfinite(value) || value < 0 || value > 9.0e15)
        return 0;
    return static_cast<qint64>(value);
}

} // namespace

std::optional<UpdateRelease> parseUpdateManifest(const QByteArray &body, const QString &platformKey)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject manifest = document.object();
    UpdateRelease release;
    release.version = manifest.value(QLatin1String("version")).toString();
    release.releaseDate = manifest.value(QLatin1String("releaseDate")).toString();
    release.notes = manifest.value(QLatin1String("notes")).toString();
    release.mandatory = manifest.value(QLatin1String("mandatory")).toBool();
    const QJsonObject entry =
        manifest.value(QLatin1String("channels")).toObject().value(platformKey).toObject();
    release.url = entry.value(QLatin1String("url")).toString();
    release.sha256 = entry.value(QLatin1String("sha256")).toString().trimmed().toLower();
    release.size = byteCount(entry.value(QLatin1String("size")).toDouble());
    return release;
}

bool isSecureAddress(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    return url.isValid() && url.scheme() == QLatin1String("https") && !url.host().isEmpty();
}
