#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

// What the update server advertises for one platform.
struct UpdateRelease {
    QString version;
    QString releaseDate;
    QString notes;
    bool mandatory = false;
    QString url;
    QString sha256; // trimmed, lower case; empty when the server gives none
    qint64 size = 0;
};

// Empty when the body is not a JSON object. Missing keys read as empty, false or 0.
std::optional<UpdateRelease> parseUpdateManifest(const QByteArray &body, const QString &platformKey);

// Only an absolute HTTPS address may be downloaded: no plain HTTP, no local files.
bool isSecureAddress(const QString &address);
