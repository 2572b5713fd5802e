#pragma once

#include <QSslConfiguration>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

// Everything the update controller takes from its surroundings. The defaults are the real
// program's; tests replace the server, the trust store, the waits and the outside actions.
struct UpdateOptions {
    QString currentVersion;  // the application's version
    QString baseAddress;     // the update server; empty for none
    QString platformKey;     // the manifest's channel for this system
    bool installsUpdates;    // false: the user installs from the download page
    QString installerFolder; // where the installer is saved
    QSslConfiguration ssl;

    int manifestIdleMs = 15000;
    int manifestTotalMs = 60000;
    int downloadIdleMs = 30000;
    qint64 manifestMaxBytes = 256 * 1024;
    // The ceiling of a download whose manifest gives no size.
    qint64 downloadMaxBytes = qint64(1024) * 1024 * 1024;

    std::function<bool(const QString &program, const QStringList &arguments)> startInstaller;
    std::function<void()> quitSoon;
    std::function<bool(const QUrl &)> openUrl;

    static UpdateOptions defaults();
};
